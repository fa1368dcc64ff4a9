// quorlan-sim run FILE.scn... [--shots DIR] [--record FILE]
//
// Every file runs in a child process of its own: the core keeps its state
// in process-wide variables (it is one DLL in one host), so only a new
// process gives each scenario the fresh simulator it expects. The parent
// never attaches the library; it collects each child's counts through a
// pipe and prints the closing line. With --record the parent empties the
// record file and each child appends its file's block, in the order of the
// files.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "sim/commands.h"
#include "sim/library_link.h"
#include "sim/scenario/runner.h"

namespace sim {
namespace {

using scenario::FileResult;
using scenario::Outcome;

// What the child writes into the pipe.
struct WireResult {
  int32_t passed, failed, outcome;
};

FileResult RunInChild(const std::string& file, scenario::RunOptions options,
                      const std::string& recordFile) {
  int channel[2];
  if (::pipe(channel) != 0) {
    std::cout << file << ": cannot create a pipe\n";
    return {0, 0, Outcome::Unreadable};
  }
  std::cout.flush();
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(channel[0]);
    ::close(channel[1]);
    std::cout << file << ": cannot start a process\n";
    return {0, 0, Outcome::Unreadable};
  }
  if (child == 0) {
    ::close(channel[0]);
    FileResult result;
    std::ofstream record;
    if (!recordFile.empty()) {
      record.open(recordFile, std::ios::binary | std::ios::app);
      options.record = &record;
    }
    try {
      result = scenario::RunScenarioFile(file, options, std::cout);
    } catch (const std::exception& e) {
      std::cout << file << ": " << e.what() << "\n";
      result = {0, 0, Outcome::Unreadable};
    }
    std::cout.flush();
    if (record.is_open() && !record.flush()) {
      std::cout << recordFile << ": cannot write the record\n";
      result.outcome = Outcome::Unreadable;
    }
    const WireResult wire{result.passed, result.failed, static_cast<int32_t>(result.outcome)};
    const bool written = ::write(channel[1], &wire, sizeof(wire)) == sizeof(wire);
    // _exit: the child must not run the parent's exit handlers twice.
    ::_exit(written ? 0 : 3);
  }

  ::close(channel[1]);
  WireResult wire{};
  size_t got = 0;
  while (got < sizeof(wire)) {
    const ssize_t n = ::read(channel[0], reinterpret_cast<char*>(&wire) + got, sizeof(wire) - got);
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (got == sizeof(wire)) {
    return {wire.passed, wire.failed, static_cast<Outcome>(wire.outcome)};
  }
  // The child died before it could report: a crash counts as a failure.
  if (WIFSIGNALED(status)) {
    std::cout << file << ": the simulator crashed (" << ::strsignal(WTERMSIG(status)) << ")\n";
  } else {
    std::cout << file << ": the simulator ended without a result\n";
  }
  return {0, 1, Outcome::Failed};
}

int Usage() {
  std::cerr << "usage: quorlan-sim run FILE.scn... [--shots DIR] [--record FILE]\n";
  return 2;
}

}  // namespace

int RunCommand(int argc, char** argv) {
  scenario::RunOptions options;
  std::vector<std::string> files;
  std::string recordFile;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--shots") == 0) {
      if (++i == argc) return Usage();
      options.shotsFolder = argv[i];
    } else if (std::strcmp(argv[i], "--record") == 0) {
      if (++i == argc) return Usage();
      recordFile = argv[i];
    } else if (std::strcmp(argv[i], "--dll") == 0) {
      if (++i == argc) return Usage();
      if (!UseLibraryFile(argv[i])) {
        std::cerr << "--dll: this host links the library itself\n";
        return 2;
      }
    } else {
      files.emplace_back(argv[i]);
    }
  }
  if (files.empty()) return Usage();
  if (!recordFile.empty() && !std::ofstream(recordFile, std::ios::binary | std::ios::trunc)) {
    std::cerr << "--record: cannot write " << recordFile << "\n";
    return 2;
  }

  int passed = 0, failed = 0;
  Outcome worst = Outcome::Passed;
  for (const std::string& file : files) {
    const FileResult result = RunInChild(file, options, recordFile);
    passed += result.passed;
    failed += result.failed;
    if (static_cast<int>(result.outcome) > static_cast<int>(worst)) worst = result.outcome;
  }
  std::cout << passed << " passed, " << failed << " failed\n";
  std::cout.flush();
  return static_cast<int>(worst);
}

}  // namespace sim
