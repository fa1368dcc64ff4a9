// THE RECORD: everything the host itself observed while a scenario ran,
// written as text (the format is documented in docs/scenarios.md, "The
// record"). Both hosts write it, quorlan-sim with the core linked in and
// quorlan-host32 with the real DLL, and their records of one scenario must
// be byte-identical; so it holds only what the host can see (its sinks,
// its memory, its folders), never the library's own state.
//
// The record keeps its own cursor over each sink: expectations consume
// what they check through the scenario's cursors, and the record lists
// every item once whatever they did.
//
// What the library's worker threads leave (files, the web addresses they
// open) appears at moments that differ from one host and one run to the
// next; the record lists it only where the scenario knows the workers
// ended or checks files itself, never after an arbitrary line.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sim/os/sim_os.h"
#include "sim/record/file_listing.h"
#include "sim/sim_host.h"

namespace sim::record {

// What the host's sinks hold now, from the start of the scenario. Each is
// only ever appended to while the scenario runs.
struct HostSinks {
  std::span<const Packet> sent;
  std::span<const std::string> hostCalls;
  std::span<const std::string> debugLines;
  std::span<const Os::MessageBoxShown> messageBoxes;
  std::span<const std::string> openedPages;
  std::span<const uint32_t> windowMessages;
  std::string_view hostCharacters;
  std::span<const std::pair<uint8_t, bool>> keys;
  bool exited = false;
  uint32_t exitCode = 0;
  std::string cursor = "arrow";  // Os::CursorSeen
};

class ScenarioRecord {
 public:
  // Starts the block of `scenarioFile` (written by its name without
  // folders). `server` is the scenario's web server address, written as
  // ${server}. `out` must outlive the record.
  ScenarioRecord(std::ostream& out, const std::string& scenarioFile, std::string server,
                 std::vector<RecordedFolder> folders);

  // Around each command line that runs.
  void BeginLine(int line, const std::string& word);
  // Writes whatever the sinks gained since the last call, in order of kind,
  // then what the line reported below, then its file listing.
  void EndLine(const HostSinks& sinks);
  // After the last line (or the one that stopped the file), once the
  // library's workers ended: `end`, what they left in the sinks, and the
  // files.
  void End(const HostSinks& sinks);

  // ---- what a command reports while it runs -------------------------------------
  // One main-loop pass with its draw calls (written at once: frames come
  // first in a line).
  void Frame(const std::vector<DrawCall>& draws);
  // Host memory that an expectation read.
  void Memory(uint32_t address, int width, uint32_t value);
  // The opcodes that reached the host's own parser for one server message.
  void HostOpcodes(const std::vector<int>& opcodes);
  // Lists the files now, at a moment the scenario knows no worker writes
  // (settle, once they ended; a file check, when it reads); the lines are
  // written at the end of the line, after everything else.
  void ListFiles();
  // Lists the web addresses the library opened since the last listing,
  // sorted (workers running at once open them in any order). Only once
  // every worker ended: at settle and at the end.
  void ListUrls(std::span<const Os::UrlOpened> urls);

 private:
  void WriteSinks(const HostSinks& sinks);
  std::string Q(const std::string& text) const;

  std::ostream& out_;
  std::string server_;
  FileListing files_;
  // How much of each sink is written.
  size_t sent_ = 0, hostCalls_ = 0, debugLines_ = 0, messageBoxes_ = 0, openedPages_ = 0,
         urls_ = 0, windowMessages_ = 0, hostCharacters_ = 0, keys_ = 0;
  bool exitWritten_ = false;
  std::string cursor_ = "arrow";  // the cursor last written (the machine starts with the arrow)
  // Reported by the running line, written at its end.
  std::vector<std::string> reported_;
  std::vector<std::string> fileLines_;
  std::vector<std::string> urlLines_;
};

}  // namespace sim::record
