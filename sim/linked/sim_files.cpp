// The core's file calls in the simulator: the POSIX files of the scenario's
// folders, written and renamed through the machine's file service
// (sim/os/file_service.h) in the steps the Win32 backend takes
// (backends/win32/win32_files.cpp, win32_internet.cpp), so the disk faults a
// scenario arms meet the library at the same step in both hosts.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "sim/linked/sim_platform.h"
#include "sim/os/file_service.h"

namespace sim {
namespace {

class SimWritableFile final : public platform::WritableFile {
 public:
  SimWritableFile(Os& os, int fd, std::string path) : os_(os), fd_(fd), path_(std::move(path)) {}
  ~SimWritableFile() override { ::close(fd_); }

  // One WriteFile call, as the Win32 backend's file makes it.
  bool Write(const void* data, uint32_t size) override {
    if (os_.Exited()) throw ProcessKilled();
    uint32_t written = 0;
    return WriteFaulting(os_, fd_, path_, data, size, &written) == 0 && written == size;
  }

 private:
  Os& os_;
  int fd_;
  std::string path_;
};

int OpenForWriting(const std::string& path, int flags) {
  int fd;
  do {
    fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | flags, 0644);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// The folder of a POSIX path ("." when it has none), as the Win32 backend
// takes it for GetTempFileNameA.
std::string FolderOf(const std::string& path) {
  const size_t separator = path.find_last_of('/');
  if (separator == std::string::npos) return ".";
  if (separator == 0) return "/";
  return path.substr(0, separator);
}

}  // namespace

void SimPlatform::StopWhenEnded() const {
  if (os_.Exited()) throw ProcessKilled();
}

std::unique_ptr<platform::WritableFile> SimPlatform::CreateBinaryFile(const std::string& path) {
  StopWhenEnded();
  const std::string target = posix::ToPosixPath(path);
  const int fd = OpenForWriting(target, O_CREAT | O_TRUNC);
  if (fd < 0) return nullptr;
  return std::make_unique<SimWritableFile>(os_, fd, target);
}

// "<folder>/qrlXXXX.tmp", numbered by the machine as GetTempFileNameA is.
std::string SimPlatform::CreateTemporaryFileBeside(const std::string& path) {
  StopWhenEnded();
  const std::string base = FolderOf(posix::ToPosixPath(path)) + "/qrl";
  int error = 0;
  const uint32_t number = CreateTemporaryFile(os_, base, &error);
  if (number == 0) return "";
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04X.tmp", number);
  return base + digits;
}

bool SimPlatform::WriteWholeFile(const std::string& path, const std::string& content) {
  const std::string target = posix::ToPosixPath(path);
  const std::string temporary = CreateTemporaryFileBeside(path);
  if (temporary.empty()) return false;
  int error = 0;
  bool written = false;
  if (const int fd = OpenForWriting(temporary, O_TRUNC); fd >= 0) {
    // The backend writes the whole content with one WriteFile call (none
    // for an empty file).
    uint32_t count = 0;
    written = (content.empty() || WriteFaulting(os_, fd, temporary, content.data(),
                                                static_cast<uint32_t>(content.size()), &count) == 0) &&
              ::fsync(fd) == 0;
    ::close(fd);
  }
  if (written) {
    switch (RenameFaulting(os_, temporary, target, &error)) {
      case RenameOutcome::Renamed: return true;
      case RenameOutcome::Killed: throw ProcessKilled();
      case RenameOutcome::Failed: break;
    }
  }
  ::unlink(temporary.c_str());
  return false;
}

bool SimPlatform::MoveIntoPlace(const std::string& from, const std::string& to) {
  StopWhenEnded();
  int error = 0;
  switch (RenameFaulting(os_, posix::ToPosixPath(from), posix::ToPosixPath(to), &error)) {
    case RenameOutcome::Renamed: return true;
    case RenameOutcome::Killed: throw ProcessKilled();
    case RenameOutcome::Failed: break;
  }
  return false;
}

bool SimPlatform::RemoveFile(const std::string& path) {
  StopWhenEnded();
  return PosixPlatform::RemoveFile(path);
}

bool SimPlatform::CreateFolder(const std::string& path) {
  StopWhenEnded();
  return PosixPlatform::CreateFolder(path);
}

bool SimPlatform::FlushFileToDisk(const std::string& path) {
  StopWhenEnded();
  return PosixPlatform::FlushFileToDisk(path);
}

std::unique_ptr<platform::ReadableFile> SimPlatform::OpenBinaryFile(const std::string& path) {
  StopWhenEnded();
  return PosixPlatform::OpenBinaryFile(path);
}

bool SimPlatform::ReadWholeFile(const std::string& path, std::string* content) {
  StopWhenEnded();
  return PosixPlatform::ReadWholeFile(path, content);
}

bool SimPlatform::FileSize(const std::string& path, uint64_t* size) {
  StopWhenEnded();
  return PosixPlatform::FileSize(path, size);
}

}  // namespace sim
