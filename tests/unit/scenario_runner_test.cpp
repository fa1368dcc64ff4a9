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

#include "sim/commands.h"
#include "sim/scenario/runner.h"
#include "sim/web_server.h"

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

  // Arguments are checked when the line runs.
  for (const std::string bad : {"expect-host 0x10 u32 1", "host 0x63FE8C u64 1", "frame -1",
                                "server u8 1 u8", "expect-sent u16 1", "expect-debug bare",
                                "file user:../out \"x\"", "file other:a \"x\"",
                                "http /a 200 file no-such-file.bin", "http /a 99 \"x\"", "start 1"}) {
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

TEST(ScenarioWebServer, AnswersWhatWasSetAnd404Otherwise) {
  sim::WebServer web;
  EXPECT_EQ(sim::WebServerPort(), web.Port());
  web.SetResponse("/api/status.php", {200, "{\"a\":1}", false});
  web.SetResponse("/big", {503, std::string(1500, 'z'), true});
  web.SetResponse("/moved", {304, "ignored", false});

  EXPECT_EQ(Get(web.Port(), "/api/status.php?x=1"),
            "HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: 7\r\n\r\n{\"a\":1}");
  EXPECT_EQ(Get(web.Port(), "/big"),
            "HTTP/1.1 503 Service Unavailable\r\nConnection: close\r\nTransfer-Encoding: "
            "chunked\r\n\r\n400\r\n" + std::string(1024, 'z') + "\r\n1dc\r\n" +
                std::string(476, 'z') + "\r\n0\r\n\r\n");
  EXPECT_EQ(Get(web.Port(), "/moved"), "HTTP/1.1 304 Not Modified\r\nConnection: close\r\n\r\n");
  EXPECT_EQ(Get(web.Port(), "/api/status.php", "HEAD"),
            "HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: 7\r\n\r\n");
  EXPECT_EQ(Get(web.Port(), "/nothing").substr(0, 22), "HTTP/1.1 404 Not Found");
  EXPECT_EQ(web.Requests(), (std::vector<std::string>{"/api/status.php?x=1", "/big", "/moved",
                                                      "/api/status.php", "/nothing"}));
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
