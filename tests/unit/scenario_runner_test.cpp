// The scenario runner: counts and reports, errors that stop a file, files
// and the web server, and `quorlan-sim run` over several files.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/host_functions.h"
#include "sim/commands.h"
#include "sim/scenario/command_table.h"
#include "sim/scenario/runner.h"
#include "sim/web_server.h"
#include "web/endpoints.h"

namespace {

using sim::scenario::Outcome;

struct Outcomes {
  sim::scenario::FileResult result;
  std::string output;
};

Outcomes RunText(const std::string& text) {
  std::ostringstream out;
  const auto result = sim::scenario::RunScenarioText("t.scn", text, {}, out);
  return {result, out.str()};
}

TEST(ScenarioRunner, CountsExpectationsAndReportsFailuresByLine) {
  const Outcomes run = RunText(
      "state 8\n"
      "server u8 242 u8 0 u8 100\n"
      "expect-host-opcodes 100\n"
      "expect-host-opcodes 101 102\n"
      "host 0x63FE8C u16 0x1234\n"
      "expect-host 0x63FE8C u32 0x1234\n"
      "expect-host 0x63FE8D u8 0x13\n"
      "expect-no-host-call\n");
  EXPECT_EQ(run.result.passed, 3);
  EXPECT_EQ(run.result.failed, 2);
  EXPECT_EQ(run.result.outcome, Outcome::Failed);
  EXPECT_NE(run.output.find("t.scn:4: expected host opcodes 101 102 got 100\n"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("t.scn:7: expected 0x63FE8D u8 = 19 (0x13) got 18 (0x12)\n"),
            std::string::npos)
      << run.output;
}

TEST(ScenarioRunner, ALineNotUnderstoodStopsTheFileAndNamesTheLine) {
  // Found before anything runs: the expectation on line 1 is not counted.
  Outcomes run = RunText("expect-host-opcodes\nframe\nbogus 1\n");
  EXPECT_EQ(run.result.outcome, Outcome::Unreadable);
  EXPECT_EQ(run.result.passed, 0);
  EXPECT_EQ(run.output, "t.scn:3: unknown command: bogus\n");
  run = RunText("expect-host-opcodes\nexpect-debug \"${server}${nope}\"\n");
  EXPECT_EQ(run.result.outcome, Outcome::Unreadable);
  EXPECT_EQ(run.output, "t.scn:2: unknown variable ${nope}\n");

  // Arguments are checked when the line runs.
  for (const std::string bad : {"expect-host 0x10 u32 1", "host 0x63FE8C u64 1", "frame -1",
                                "server u8 1 u8", "expect-sent u16 1", "expect-debug bare",
                                "file user:../out \"x\"", "file other:a \"x\"",
                                "http /a 200 file no-such-file.bin", "http /a 99 \"x\"",
                                "http /a 200 short 0 \"x\"", "http /a 200 short \"x\"",
                                "start 1"}) {
    run = RunText("expect-host-opcodes\n" + bad + "\nexpect-host-opcodes\n");
    EXPECT_EQ(run.result.outcome, Outcome::Unreadable) << bad;
    EXPECT_EQ(run.result.passed, 1) << bad;
    EXPECT_EQ(run.output.rfind("t.scn:2: ", 0), 0u) << bad << ": " << run.output;
  }
}

TEST(ScenarioRunner, FilesInTheSimulatorFolders) {
  const Outcomes run = RunText(
      "file user:dir/a.txt\n"
      "one\n"
      "end\n"
      "expect-file user:dir/a.txt \"one\\n\"\n"
      "file data:b.bin hex 00ff0d\n"
      "expect-file data:b.bin hex 00ff0d\n"
      "file appdata:c.txt \"x\\r\\ny\"\n"
      "expect-file appdata:c.txt\n"
      "x\n"
      "end\n"
      "expect-no-file user:none\n"
      "expect-no-file user:dir/a.txt\n"
      "expect-file user:none \"\"\n");
  EXPECT_EQ(run.result.passed, 3) << run.output;
  EXPECT_EQ(run.result.failed, 3);
  EXPECT_NE(run.output.find("t.scn:8: expected appdata:c.txt = \"x\\n\" got \"x\\r\\ny\"\n"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("t.scn:13: expected user:none = \"\" got no file\n"), std::string::npos)
      << run.output;
}

// One HTTP/1.1 request to the server; the whole response.
std::string Get(uint16_t port, const std::string& target, const std::string& method = "GET") {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  if (::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
    ::close(s);
    return "no connection";
  }
  const std::string request = method + " " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
  EXPECT_EQ(::send(s, request.data(), request.size(), 0), static_cast<ssize_t>(request.size()));
  std::string response;
  char buffer[4096];
  for (ssize_t n; (n = ::recv(s, buffer, sizeof(buffer), 0)) > 0;) response.append(buffer, n);
  ::close(s);
  return response;
}

// "Name: value" as a line of the response head.
bool HasHeader(const std::string& response, const std::string& header) {
  const std::string head = response.substr(0, response.find("\r\n\r\n") + 2);
  return head.find("\r\n" + header + "\r\n") != std::string::npos;
}

std::string Body(const std::string& response) {
  return response.substr(response.find("\r\n\r\n") + 4);
}

TEST(ScenarioWebServer, AnswersWhatTheScenarioSetAnd404Otherwise) {
  std::ostringstream out;
  sim::scenario::Context context("t.scn", {}, out);
  sim::WebServer& web = context.Web();
  EXPECT_EQ(sim::WebServerPort(), web.Port());
  EXPECT_EQ(web::CurrentEndpoints().statusDocument, web.BaseUrl() + "/api/status.php");
  const sim::scenario::Variables variables = {{"server", web.BaseUrl()}};
  const auto& commands = sim::scenario::CommandTable::All();
  for (const auto& line : sim::scenario::ParseScript(
           "http /api/status.php 200 \"{\\\"a\\\":1}\"\n"
           "http /big 503 no-length \"${server}\"\n"
           "http /moved 304 \"ignored\"\n"
           "http /cut 200 short 5 \"abc\"\n",
           [&](const auto& line) { return commands.TakesBlock(line); }, &variables)) {
    commands.Find(line).run(context, line);
  }
  char chunk[16];
  std::snprintf(chunk, sizeof(chunk), "%zx\r\n", web.BaseUrl().size());

  const struct {
    const char* target;
    const char* method;
    const char* statusLine;
    std::vector<std::string> headers;
    std::string body;
  } cases[] = {
      {"/api/status.php?x=1", "GET", "HTTP/1.1 200 OK", {"Content-Length: 7", "Connection: close"},
       "{\"a\":1}"},
      {"/big", "GET", "HTTP/1.1 503 Service Unavailable", {"Transfer-Encoding: chunked"},
       chunk + web.BaseUrl() + "\r\n0\r\n\r\n"},
      {"/moved", "GET", "HTTP/1.1 304 Not Modified", {}, ""},
      {"/api/status.php", "HEAD", "HTTP/1.1 200 OK", {"Content-Length: 7"}, ""},
      {"/nothing", "GET", "HTTP/1.1 404 Not Found", {}, "Not Found"},
      {"/cut", "GET", "HTTP/1.1 200 OK", {"Content-Length: 8"}, "abc"},  // then closes
  };
  for (const auto& c : cases) {
    const std::string response = Get(web.Port(), c.target, c.method);
    EXPECT_EQ(response.rfind(std::string(c.statusLine) + "\r\n", 0), 0u) << response;
    for (const std::string& header : c.headers) EXPECT_TRUE(HasHeader(response, header)) << response;
    EXPECT_EQ(Body(response), c.body) << c.target;
  }
  EXPECT_EQ(web.Requests(), (std::vector<std::string>{"/api/status.php?x=1", "/big", "/moved",
                                                      "/api/status.php", "/nothing", "/cut"}));
}

TEST(ScenarioWebServer, ListensOnLoopbackOnly) {
  sim::WebServer web;
  // The kernel's table of TCP sockets: "sl local_address rem_address st ...",
  // addresses as hexadecimal ADDRESS:PORT, state 0A = listening.
  std::ifstream table("/proc/net/tcp");
  char port[8];
  std::snprintf(port, sizeof(port), ":%04X", web.Port());
  std::vector<std::string> listening;
  for (std::string line; std::getline(table, line);) {
    std::istringstream fields(line);
    std::string slot, local, remote, state;
    fields >> slot >> local >> remote >> state;
    if (local.ends_with(port) && state == "0A") listening.push_back(local);
  }
  EXPECT_EQ(listening, std::vector<std::string>{std::string("0100007F") + port});
}

class RunCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("quorlan-run-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (folder / name).string();
    std::ofstream(path) << text;
    return path;
  }
  // Runs `quorlan-sim run ARGS`; returns its exit status, output in `out`.
  int RunSim(std::vector<std::string> args, std::string& out) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    ::testing::internal::CaptureStdout();
    const int status = sim::RunCommand(static_cast<int>(argv.size()), argv.data());
    out = ::testing::internal::GetCapturedStdout();
    return status;
  }

  std::filesystem::path folder;
};

TEST_F(RunCommand, SumsEveryFileEachInAFreshSimulator) {
  // The second file would see the first one's write if they shared a host.
  const std::string first = Write("a.scn", "host 0x63FE8C u32 5\nexpect-host 0x63FE8C u32 5\n");
  const std::string second = Write("b.scn", "expect-host 0x63FE8C u32 0\nexpect-no-sent\n");
  const std::string failing = Write("c.scn", "expect-host 0x63FE8C u32 1\n");
  const std::string broken = Write("d.scn", "frame x\n");
  std::string out;
  EXPECT_EQ(RunSim({first, second}, out), 0);
  EXPECT_EQ(out, "3 passed, 0 failed\n");
  EXPECT_EQ(RunSim({first, failing, "--shots", folder.string()}, out), 1);
  EXPECT_NE(out.find("c.scn:1: expected"), std::string::npos) << out;
  EXPECT_NE(out.find("\n1 passed, 1 failed\n"), std::string::npos) << out;
  EXPECT_EQ(RunSim({broken, failing, first}, out), 2);
  EXPECT_NE(out.find("d.scn:1: not a number: x"), std::string::npos) << out;
  EXPECT_NE(out.find("\n1 passed, 1 failed\n"), std::string::npos) << out;
  EXPECT_EQ(RunSim({(folder / "missing.scn").string()}, out), 2);
  EXPECT_NE(out.find("missing.scn: cannot read the file"), std::string::npos) << out;
  EXPECT_EQ(RunSim({}, out), 2);
}

}  // namespace

namespace {

TEST(ScenarioRunner, ATextPlayedOnAContextGoesOnFromWhereTheTextBeforeLeftIt) {
  std::ostringstream out;
  sim::scenario::Context context("t.scn", {}, out);
  const auto first = sim::scenario::PlayScenarioText(
      context, "t.scn", "state 8\nhost 0x63FE8C u16 7\nexpect-host 0x63FE8C u16 7\n", out);
  EXPECT_EQ(first.outcome, Outcome::Passed) << out.str();
  const auto second = sim::scenario::PlayScenarioText(
      context, "t.scn", "expect-host 0x63FE8C u16 7\nexpect-host 0x63FE8C u16 8\n", out);
  // The counts are the context's: one pass from each text, the failure on
  // the second text's second line.
  EXPECT_EQ(second.passed, 2);
  EXPECT_EQ(second.failed, 1);
  EXPECT_EQ(second.outcome, Outcome::Failed);
  EXPECT_NE(out.str().find("t.scn:2: expected 0x63FE8C u16 = 8"), std::string::npos) << out.str();
}

// Every drawing function of the host the library calls: recorded, or only
// counted while the count-only switch is on.
TEST(SimulatorCountOnly, EveryLibraryDrawingCallIsCountedInsteadOfRecorded) {
  std::ostringstream out;
  sim::scenario::Context context("t.scn", {}, out);
  context.EnsureStarted();
  sim::SimHost& host = context.Sim().Host();
  const auto drawEach = [] {
    HostDrawText(1, 2, 3, 1, 4, 5, 6, "text", 0);
    HostDrawTextBox(1, 2, 3, 1, 4, 5, 6, "box", 0, 7, 8, 9, 10);
    HostDrawSkin(1, 2, 3, 4, 5, 6, 7, 8);
    HostFillRect(1, 2, 3, 4, 5, 6, 0, 0);
    HostDrawObject(host::ObjectDrawArgs{});
    HostDrawCreature(host::CreatureDrawArgs{});
    HostRendererFill(HostRenderer(), 1, 2, 3, 4, 5, 6, 7, 8);
  };
  constexpr size_t kFunctions = 7;
  for (const bool countOnly : {false, true, false}) {
    SCOPED_TRACE(countOnly);
    host.SetCountOnly(countOnly);
    const size_t recordedBefore = host.Draws().size();
    const uint64_t countedBefore = host.CountedDraws();
    drawEach();
    EXPECT_EQ(host.Draws().size() - recordedBefore, countOnly ? 0 : kFunctions);
    EXPECT_EQ(host.CountedDraws() - countedBefore, countOnly ? kFunctions : 0);
  }
}

}  // namespace
