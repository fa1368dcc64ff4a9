// A simulated host for the targets that read and write files through the
// platform, as the library does: the platform installed, HostUserFolder and
// HostDataFolder set. It is made once per process and never started.
//
// Its folders lie under /dev/shm when the machine has it: every whole-file
// write flushes to disk before its rename, which costs milliseconds on a
// disk and nothing in memory, and a target writes a file per input.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "sim/simulator.h"

namespace fuzz {

// The host's folders' root, removed when the process ends normally (after
// the host, which was made after it).
class ScratchRoot {
 public:
  ScratchRoot() {
    std::error_code ignored;
    const char* base = std::filesystem::is_directory("/dev/shm", ignored) ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/quorlan-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchRoot() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchRoot(const ScratchRoot&) = delete;
  ScratchRoot& operator=(const ScratchRoot&) = delete;

  // Empty when none could be made: the simulator then makes its own.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

inline sim::Simulator& FileHost() {
  static const ScratchRoot root;
  static sim::Simulator simulator(root.path());
  return simulator;
}

}  // namespace fuzz
