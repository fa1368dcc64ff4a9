// What a scenario's commands share while one file runs: its simulator and
// web server, the expectation counts, the cursors over what the library
// did that no expectation has checked yet (packets, debugger lines, host
// calls, message boxes, pages, host characters, synthetic keys), and the
// record when the run writes one.
//
// Expectations never take anything out of the host's sinks: they move
// their cursors, so the record (which keeps cursors of its own) still sees
// every item once.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sim/record/scenario_record.h"
#include "sim/scenario/script.h"
#include "sim/simulator.h"
#include "sim/web_server.h"

namespace sim::scenario {

struct RunOptions {
  std::string shotsFolder = ".";
  // Where the file's block of the record goes (docs/scenarios.md, "The
  // record"); none when null. Must outlive the run.
  std::ostream* record = nullptr;
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
  std::optional<Os::MessageBoxShown> TakeMessageBox();
  std::vector<Os::MessageBoxShown> UncheckedMessageBoxes();
  std::optional<std::string> TakeOpenedPage();
  std::vector<std::string> UncheckedOpenedPages();
  // What reached the host's character handler / the synthetic key presses
  // since the last take.
  std::string TakeHostCharacters();
  std::vector<std::pair<uint8_t, bool>> TakeSyntheticKeys();
  std::vector<std::string> TextsDrawn();

  // ---- the record (each a no-op when the run writes none) ----------------------
  void BeginRecordLine(const ScriptLine& line);
  void EndRecordLine();
  // After the last line that ran: waits for the library's workers, then
  // writes the end of the block.
  void EndRecord();
  void RecordMemory(uint32_t address, int width, uint32_t value);
  void RecordHostOpcodes(const std::vector<int>& opcodes);
  // The record lists the files now (written at the end of the line).
  void RecordFiles();
  // Every worker the library started has ended: the record lists the files
  // and the web addresses opened.
  void RecordWorkersEnded();

  // ---- paths ---------------------------------------------------------------------
  // "user:a/b.txt" (or data:, appdata:) as a path in the simulator's folders.
  std::string FolderPath(const Token& path, int line) const;
  // A path named relative to the scenario file's folder.
  std::string ScenarioRelativePath(const Token& path, int line) const;
  const std::string& File() const { return file_; }

 private:
  void CollectDebugOutput();
  record::HostSinks Sinks();

  std::string file_;
  RunOptions options_;
  std::ostream& out_;
  std::unique_ptr<Simulator> simulator_;
  std::unique_ptr<WebServer> web_;
  int passed_ = 0;
  int failed_ = 0;
  size_t sentChecked_ = 0;
  size_t hostCallsChecked_ = 0;
  size_t messageBoxesChecked_ = 0;
  size_t openedPagesChecked_ = 0;
  size_t hostCharactersChecked_ = 0;
  size_t keysChecked_ = 0;
  // Every debugger line since the scenario began (the machine hands each
  // over once) and how many of them expectations checked.
  std::vector<std::string> debugLines_;
  size_t debugLinesChecked_ = 0;
  std::unique_ptr<record::ScenarioRecord> record_;
};

}  // namespace sim::scenario
