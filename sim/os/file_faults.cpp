#include "sim/os/file_faults.h"

#include <algorithm>
#include <utility>

namespace sim {

bool FileSelected(const std::string& pattern, const std::string& name) {
  if (pattern.empty()) return true;
  const char last = pattern.back();
  if (last == ':' || last == '/') return name.starts_with(pattern);
  return name == pattern;
}

void FileFaults::Clear() {
  std::lock_guard hold(lock_);
  kind_ = FileFaultKind::None;
  pattern_.clear();
  bytesLeft_ = 0;
}

void FileFaults::ArmWriteHalfway(std::string pattern) {
  std::lock_guard hold(lock_);
  kind_ = FileFaultKind::WriteHalfway;
  pattern_ = std::move(pattern);
}

void FileFaults::ArmDiskFull(uint64_t bytesLeft) {
  std::lock_guard hold(lock_);
  kind_ = FileFaultKind::DiskFull;
  pattern_.clear();
  bytesLeft_ = bytesLeft;
}

void FileFaults::ArmKillAtRename(std::string pattern) {
  std::lock_guard hold(lock_);
  kind_ = FileFaultKind::KillAtRename;
  pattern_ = std::move(pattern);
}

WriteVerdict FileFaults::Write(const std::string& name, uint32_t size) {
  std::lock_guard hold(lock_);
  switch (kind_) {
    case FileFaultKind::WriteHalfway:
      if (!FileSelected(pattern_, name)) break;
      kind_ = FileFaultKind::None;
      return {size / 2, WriteVerdict::Error::WriteFault};
    case FileFaultKind::DiskFull: {
      // What fits is written, as a file system fills its last free blocks.
      const auto fits = static_cast<uint32_t>(std::min<uint64_t>(size, bytesLeft_));
      bytesLeft_ -= fits;
      if (fits < size) return {fits, WriteVerdict::Error::DiskFull};
      break;
    }
    case FileFaultKind::None:
    case FileFaultKind::KillAtRename: break;
  }
  return {size, WriteVerdict::Error::None};
}

bool FileFaults::KillsAtRename(const std::string& target) {
  std::lock_guard hold(lock_);
  if (kind_ != FileFaultKind::KillAtRename || !FileSelected(pattern_, target)) return false;
  kind_ = FileFaultKind::None;
  return true;
}

}  // namespace sim
