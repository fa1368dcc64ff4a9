// The three request routines against the simulator's real web server on
// 127.0.0.1, through libcurl: what is accepted, what is posted back, what
// stays on disk.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "host/handlers.h"
#include "host/host_memory.h"
#include "host/task_queue.h"
#include "sim/simulator.h"
#include "sim/web_server.h"
#include "web/http.h"
#include "web/status_bar.h"

namespace {

constexpr int32_t kReady = 1003;
constexpr int32_t kFinished = 1004;
constexpr uint32_t kIdentifier = 7;

using Posted = std::vector<std::pair<int32_t, int32_t>>;
Posted* posted = nullptr;
void Record(int32_t code, int32_t value) { posted->push_back({code, value}); }

const Posted kReadyThenFinished = {{kReady, kIdentifier}, {kFinished, kIdentifier}};
const Posted kOnlyFinished = {{kFinished, kIdentifier}};

// A 127.0.0.1 port that is bound but never listens: connections are refused.
struct RefusingPort {
  RefusingPort() {
    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t length = sizeof(address);
    ::bind(socket, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/file";
  }
  ~RefusingPort() { ::close(socket); }
  int socket = ::socket(AF_INET, SOCK_STREAM, 0);
  std::string url;
};

std::optional<std::string> FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class HttpTransfer : public ::testing::Test {
 protected:
  void SetUp() override {
    host::RunMainThreadTasks();  // nothing left from other tests
    posted = &reports;
    std::memcpy(host::Pointer(0x5C9630), "TestHost/2.0", 13);
  }

  std::string Url(const std::string& path) const { return web.BaseUrl() + path; }
  // Built the Windows way, as the features build them.
  std::string Local(const std::string& name) const {
    return simulator.folders().user + "\\" + name;
  }
  std::string PosixLocal(const std::string& name) const {
    return simulator.folders().user + "/" + name;
  }
  std::unique_ptr<web::DownloadRequest> Request(const std::string& url, const std::string& path) {
    return std::make_unique<web::DownloadRequest>(
        web::DownloadRequest{url, path, kIdentifier, &Record, kReady, kFinished});
  }
  void Write(const std::string& name, const std::string& content) {
    std::ofstream(PosixLocal(name), std::ios::binary) << content;
  }
  Posted TakePosted() {
    host::RunMainThreadTasks();
    return std::exchange(reports, {});
  }

  sim::Simulator simulator;
  sim::WebServer web;
  Posted reports;
};

TEST_F(HttpTransfer, TextIsCutAtNulChunkByChunkAndEmptyOnAnyFailure) {
  // The first 4095-byte read holds the NUL; the second starts with "tail".
  const std::string nulBody = std::string("ab\0", 3) + std::string(4092, 'x') + "tail";
  const std::string document = "{\"online\":57}";
  const RefusingPort refusing;
  const struct {
    const char* name;
    std::optional<sim::WebResponse> answer;  // none: a refused connection
    std::string text;
  } cases[] = {
      {"NUL in the first chunk", sim::WebResponse{200, nulBody}, "abtail"},
      {"chunked, complete", sim::WebResponse{200, document, true}, document},
      {"error page", sim::WebResponse{503, document}, ""},
      {"body cut short", sim::WebResponse{200, document, false, 10}, ""},
      {"refused", std::nullopt, ""},
  };
  for (const auto& c : cases) {
    std::string url = refusing.url;
    if (c.answer) {
      web.SetResponse("/api/status.php", *c.answer);
      url = Url("/api/status.php");
    }
    EXPECT_EQ(web::HttpGetText(url), c.text) << c.name;
  }
  // The status fetch's own agent, the system's proxy settings, reload and no cache.
  EXPECT_EQ(
      simulator.Os().UrlsOpened().front(),
      (sim::Os::UrlOpened{"StatusChecker/1.0", 0, Url("/api/status.php"), 0x84000000}));
}

TEST_F(HttpTransfer, DownloadNeedsALengthAndExactlyThatManyBytes) {
  std::string body(10000, '\0');  // more than one 8192-byte read
  for (size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>(i * 7);
  const RefusingPort refusing;
  const struct {
    const char* name;
    std::optional<sim::WebResponse> answer;
    Posted posted;
    std::string fileAfter;  // a failed download leaves the old file
  } cases[] = {
      {"complete", sim::WebResponse{200, body}, kReadyThenFinished, body},
      {"chunked, complete", sim::WebResponse{200, body, true}, kOnlyFinished, "old content"},
      {"a byte short", sim::WebResponse{200, body, false, 1}, kOnlyFinished, "old content"},
      {"error page", sim::WebResponse{404, "missing"}, kOnlyFinished, "old content"},
      {"refused", std::nullopt, kOnlyFinished, "old content"},
  };
  for (const auto& c : cases) {
    Write("image.png", "old content");
    std::string url = refusing.url;
    if (c.answer) {
      web.SetResponse("/images/store/64/image.png", *c.answer);
      url = Url("/images/store/64/image.png");
    }
    web::HttpDownloadFile(Request(url, Local("image.png")));
    EXPECT_EQ(TakePosted(), c.posted) << c.name;
    EXPECT_EQ(FileText(PosixLocal("image.png")), c.fileAfter) << c.name;
    // No temporary file is left behind.
    for (const auto& entry : std::filesystem::directory_iterator(PosixLocal(""))) {
      EXPECT_EQ(entry.path().filename(), "image.png") << c.name;
    }
  }
  // The host's own agent, direct, no cache write.
  EXPECT_EQ(simulator.Os().UrlsOpened().front(),
            (sim::Os::UrlOpened{"TestHost/2.0", 1, Url("/images/store/64/image.png"),
                                         0x04000000}));
}

TEST_F(HttpTransfer, DownloadFailsWhenTheFileCannotBeWritten) {
  web.SetResponse("/f", {200, "abc"});
  web::HttpDownloadFile(Request(Url("/f"), Local("no folder\\f")));
  EXPECT_EQ(TakePosted(), kOnlyFinished);
}

TEST_F(HttpTransfer, RevalidationKeepsWhatTheServerConfirmsAndFetchesTheRest) {
  const struct {
    const char* name;
    std::optional<std::string> cached;  // none: no file
    sim::WebResponse answer;
    Posted posted;
    std::optional<std::string> fileAfter;
    size_t requests;
  } cases[] = {
      {"same length", "12345", {200, "abcde"}, kOnlyFinished, "12345", 1},
      {"length 0 announced", "12345", {200, ""}, kOnlyFinished, "12345", 1},
      {"no length", "12345", {200, "abcdefgh", true}, kOnlyFinished, "12345", 1},
      {"error page", "12345", {404, "Not Found"}, kOnlyFinished, "12345", 1},
      {"another length", "12345", {200, "abcdefgh"}, kReadyThenFinished, "abcdefgh", 2},
      {"another length, cut short",
       "12345",
       {200, "abcdefgh", false, 4},
       kOnlyFinished,
       "12345",
       2},
      {"empty cached file", "", {200, "abcdefgh"}, kOnlyFinished, "", 0},
      {"no cached file", std::nullopt, {200, "abcdefgh"}, kOnlyFinished, std::nullopt, 0},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(PosixLocal("cached.png"));
    if (c.cached) Write("cached.png", *c.cached);
    web.SetResponse("/c.png", c.answer);
    const size_t requestsBefore = web.Requests().size();
    web::HttpRevalidateFile(Request(Url("/c.png"), Local("cached.png")));
    EXPECT_EQ(TakePosted(), c.posted) << c.name;
    EXPECT_EQ(FileText(PosixLocal("cached.png")), c.fileAfter) << c.name;
    EXPECT_EQ(web.Requests().size() - requestsBefore, c.requests) << c.name;
  }
  // The check and the new download both reload past any cache.
  for (const auto& opened : simulator.Os().UrlsOpened()) {
    EXPECT_EQ(opened, (sim::Os::UrlOpened{"TestHost/2.0", 1, Url("/c.png"), 0x84000000}));
  }
}

TEST_F(HttpTransfer, WorkersEachReportTheirOwnRequest) {
  // 1..3 download (3 is cut short); 4 and 5 revalidate a cached 3-byte file.
  for (uint32_t id = 1; id <= 5; ++id) {
    web.SetResponse("/" + std::to_string(id),
                    {200, std::string(id * 3000, 'a'), false, id == 3 ? 10u : 0u});
  }
  web.SetResponse("/5", {200, "xyz"});
  Write("4", "old");
  Write("5", "old");
  for (uint32_t id = 1; id <= 5; ++id) {
    auto request = Request(Url("/" + std::to_string(id)), Local(std::to_string(id)));
    request->identifier = id;
    (id <= 3 ? web::StartDownload : web::StartRevalidation)(std::move(request));
  }
  ASSERT_TRUE(simulator.WaitForWorkers());
  std::map<int32_t, std::vector<int32_t>> codes;  // per request, in the order seen
  for (const auto& [code, id] : TakePosted()) codes[id].push_back(code);
  EXPECT_EQ(codes, (std::map<int32_t, std::vector<int32_t>>{{1, {kReady, kFinished}},
                                                            {2, {kReady, kFinished}},
                                                            {3, {kFinished}},
                                                            {4, {kReady, kFinished}},
                                                            {5, {kFinished}}}));
  EXPECT_EQ(FileText(PosixLocal("4")), std::string(12000, 'a'));
  EXPECT_EQ(FileText(PosixLocal("5")), "old");
}

}  // namespace

namespace {

// When no worker can be started, the caller is told at once: a download is
// reported as failed and a status fetch is over, due again after the pause.
TEST_F(HttpTransfer, AWorkerThatCannotStartIsReportedAtOnce) {
  simulator.Os().threadStartsFail = true;
  web.SetResponse("/file", {200, "abc"});
  web::StartDownload(Request(Url("/file"), Local("file")));
  web::StartRevalidation(Request(Url("/file"), Local("file")));
  EXPECT_EQ(TakePosted(), (Posted{{kFinished, kIdentifier}, {kFinished, kIdentifier}}));
  EXPECT_TRUE(simulator.Os().UrlsOpened().empty());

  auto counts = std::make_shared<web::StatusCounts>();
  ClockMillis();
  simulator.Os().AdvanceClock(1234);
  const uint32_t now = ClockMillis();
  web::StartStatusFetch(counts);
  EXPECT_FALSE(counts->running);
  EXPECT_EQ(counts->lastFetch, now);
  EXPECT_NE(now, 0u);
  EXPECT_EQ(counts->players, "...");
  simulator.Os().threadStartsFail = false;
  web::StartStatusFetch(counts);  // the flag no longer blocks a fetch
  EXPECT_TRUE(simulator.WaitForWorkers());
  EXPECT_EQ(simulator.Os().UrlsOpened().size(), 1u);
}

}  // namespace

namespace {

// The status bar's counts are shared between its worker and the frame that
// draws them: the frame reads them under their lock while the worker fills
// them (ThreadSanitizer runs this).
TEST(StatusFetch, TheFrameReadsTheCountsWhileTheWorkerFillsThem) {
  sim::Simulator simulator;
  sim::WebServer web;
  simulator.Library().PointWebAt(web.BaseUrl());
  web.SetResponse("/api/status.php", {200, "{\"online\":57,\"discord_online\":\"12\"}"});
  auto counts = std::make_shared<web::StatusCounts>();
  web::StartStatusFetch(counts);
  web::StartStatusFetch(counts);  // one fetch at a time: this one is refused
  std::string seen;
  for (int frame = 0; frame < 100000; ++frame) {
    std::lock_guard<std::mutex> guard(counts->lock);
    seen = counts->players;
    if (!counts->running) break;
  }
  ASSERT_TRUE(simulator.WaitForWorkers());
  std::lock_guard<std::mutex> guard(counts->lock);
  EXPECT_EQ(counts->players, "57");
  EXPECT_EQ(counts->community, "12");
  EXPECT_EQ(web.Requests().size(), 1u);
}

}  // namespace
