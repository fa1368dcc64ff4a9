// The faults the simulated machine's disk can be told to show, as the
// scenario's `file-fault` lines set them: a write that stops halfway, a disk
// that fills up, a process killed at a rename. One fault is armed at a time;
// a new one replaces it. Files are known by their scenario names
// ("user:Quorlan/Chars.acc"), so both hosts select the same files.
//
// Only the rules live here; the machine's file service (file_service.h)
// applies them to the real POSIX files both hosts write. Any thread.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

namespace sim {

enum class FileFaultKind : uint8_t {
  None,
  WriteHalfway,  // the next write to a selected file writes half, then fails
  DiskFull,      // writes fail once the bytes left are used up
  KillAtRename,  // the next rename onto a selected file kills the process instead
};

// Whether `pattern` selects the file `name`: "" selects every file, a
// pattern ending in ':' or '/' every file below that folder, any other
// pattern that file alone.
bool FileSelected(const std::string& pattern, const std::string& name);

// What becomes of one write.
struct WriteVerdict {
  enum class Error : uint8_t { None, WriteFault, DiskFull };
  uint32_t bytes;  // how many of the bytes asked for reach the file
  Error error;     // the write reports this failure after writing `bytes`
  bool operator==(const WriteVerdict&) const = default;
};

class FileFaults {
 public:
  void Clear();
  void ArmWriteHalfway(std::string pattern);
  void ArmDiskFull(uint64_t bytesLeft);
  void ArmKillAtRename(std::string pattern);

  // A write of `size` bytes to the file `name`. A one-shot fault that fires
  // is used up; the disk's bytes left shrink by what is written.
  WriteVerdict Write(const std::string& name, uint32_t size);
  // Whether renaming a file onto `target` kills the process (the rename then
  // does not happen). Fires once.
  bool KillsAtRename(const std::string& target);

 private:
  std::mutex lock_;
  FileFaultKind kind_ = FileFaultKind::None;
  std::string pattern_;
  uint64_t bytesLeft_ = 0;
};

}  // namespace sim
