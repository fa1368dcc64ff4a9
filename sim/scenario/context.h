// What a scenario's commands share while one file runs: its simulator and
// web server, the expectation counts, and the cursors over what the library
// did that no expectation has checked yet (packets, debugger lines, host
// calls).
#pragma once

#include <cstdint>
#include <deque>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/scenario/script.h"
#include "sim/simulator.h"
#include "sim/web_server.h"

namespace sim::scenario {

struct RunOptions {
  std::string shotsFolder = ".";
};

class Context {
 public:
  // A fresh simulator (fresh folders, clock at 0, nothing attached) and a
  // web server for the scenario `file`. Reports go to `out`.
  Context(const std::string& file, const RunOptions& options, std::ostream& out);
  ~Context();

  Simulator& Sim() { return *simulator_; }
  WebServer& Web() { return *web_; }
  std::ostream& Out() { return out_; }
  const RunOptions& Options() const { return options_; }
  // Attaches the library unless it is attached.
  void EnsureStarted();

  // ---- expectations ------------------------------------------------------------
  void Pass() { ++passed_; }
  // Prints "FILE:LINE: expected EXPECTED got GOT" and what the simulator
  // saw (the unchecked packets, the texts drawn in the last frame).
  void Fail(int line, const std::string& expected, const std::string& got);
  // One expectation: Pass() or Fail().
  void Expect(bool ok, int line, const std::string& expected, const std::string& got);
  int Passed() const { return passed_; }
  int Failed() const { return failed_; }

  // ---- what the library did -----------------------------------------------------
  std::optional<Packet> TakeSent();
  std::vector<Packet> UncheckedSent();
  void ClearSent();
  std::optional<std::string> TakeDebugLine();
  std::vector<std::string> UncheckedDebugLines();
  std::optional<std::string> TakeHostCall();
  std::vector<std::string> UncheckedHostCalls();
  std::vector<std::string> TextsDrawn();

  // ---- paths ---------------------------------------------------------------------
  // "user:a/b.txt" (or data:, appdata:) as a path in the simulator's folders.
  std::string FolderPath(const Token& path, int line) const;
  // A path named relative to the scenario file's folder.
  std::string ScenarioRelativePath(const Token& path, int line) const;
  const std::string& File() const { return file_; }

 private:
  void CollectDebugOutput();

  std::string file_;
  RunOptions options_;
  std::ostream& out_;
  std::unique_ptr<Simulator> simulator_;
  std::unique_ptr<WebServer> web_;
  int passed_ = 0;
  int failed_ = 0;
  size_t sentChecked_ = 0;
  size_t hostCallsChecked_ = 0;
  std::deque<std::string> debugLines_;
};

}  // namespace sim::scenario
