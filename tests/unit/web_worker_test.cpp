// Download and revalidation workers on their own threads, several at once,
// handing back through the main-thread task queue (ThreadSanitizer runs
// these too).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "host/task_queue.h"
#include "sim/simulator.h"
#include "sim/web_server.h"
#include "web/http.h"

namespace {

constexpr int32_t kReady = 1;
constexpr int32_t kFinished = 2;

std::vector<std::pair<int32_t, int32_t>>* posted = nullptr;
void Record(int32_t code, int32_t value) { posted->push_back({code, value}); }

class WorkerDownload : public ::testing::Test {
 protected:
  void SetUp() override {
    host::RunMainThreadTasks();
    posted = &reports;
  }
  std::string Local(uint32_t id) const {
    return simulator.folders().user + "\\" + std::to_string(id) + ".bin";
  }
  std::string Content(uint32_t id) const {
    std::ifstream in(simulator.folders().user + "/" + std::to_string(id) + ".bin");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::unique_ptr<web::DownloadRequest> Request(uint32_t id) {
    const std::string url = web.BaseUrl() + "/" + std::to_string(id);
    return std::make_unique<web::DownloadRequest>(
        web::DownloadRequest{url, Local(id), id, &Record, kReady, kFinished});
  }

  sim::Simulator simulator;
  sim::WebServer web;
  std::vector<std::pair<int32_t, int32_t>> reports;
};

TEST_F(WorkerDownload, EachWorkerReportsItsOwnRequestInOrder) {
  // 1..4 download (4 is cut short); 5 and 6 revalidate a cached file of 3 bytes.
  for (uint32_t id = 1; id <= 6; ++id) {
    web.SetResponse(
        "/" + std::to_string(id),
        {200, std::string(id * 3000, static_cast<char>('a' + id)), false, id == 4 ? 10u : 0u});
  }
  web.SetResponse("/6", {200, "xyz"});
  for (uint32_t id : {5u, 6u}) {
    std::ofstream(simulator.folders().user + "/" + std::to_string(id) + ".bin") << "old";
  }
  for (uint32_t id = 1; id <= 4; ++id) web::StartDownload(Request(id));
  web::StartRevalidation(Request(5));
  web::StartRevalidation(Request(6));
  ASSERT_TRUE(simulator.WaitForWorkers());
  host::RunMainThreadTasks();

  // Per request: ready before finished when it succeeded, only finished else.
  std::map<int32_t, std::vector<int32_t>> codes;
  for (const auto& [code, id] : reports) codes[id].push_back(code);
  const std::map<int32_t, std::vector<int32_t>> expected = {
      {1, {kReady, kFinished}}, {2, {kReady, kFinished}}, {3, {kReady, kFinished}},
      {4, {kFinished}},         {5, {kReady, kFinished}}, {6, {kFinished}}};
  EXPECT_EQ(codes, expected);
  EXPECT_EQ(Content(3), std::string(9000, 'd'));
  EXPECT_EQ(Content(5), std::string(15000, 'f'));
  EXPECT_EQ(Content(6), "old");
}

}  // namespace
