// Linux implementations of the operating-system services that are real in
// the simulator too: threads, file mapping. The simulator derives from this
// and replaces what it models (clock, protection, windows, keys).
#pragma once

#include <atomic>

#include "platform/platform.h"

namespace posix {

class PosixPlatform : public platform::Platform {
 public:
  void StartThread(std::function<uint32_t()> body) override;
  platform::MappedFile MapFile(const std::string& path) override;
  void UnmapFile(platform::MappedFile& file) override;

  // Threads started through StartThread that have not ended yet.
  int RunningThreads() const { return running_.load(); }

 protected:
  // Called on the worker's own thread once its body returned.
  virtual void OnThreadEnded(uint32_t exitCode) {}

 private:
  std::atomic<int> running_{0};
};

// Turns a path built the Windows way (with '\') into a POSIX path.
std::string ToPosixPath(const std::string& path);

}  // namespace posix
