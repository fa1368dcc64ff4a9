// Files for downloads: create-or-truncate for writing, size, delete.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "backends/posix/posix_platform.h"

namespace posix {
namespace {

class PosixWritableFile final : public platform::WritableFile {
 public:
  explicit PosixWritableFile(int fd) : fd_(fd) {}
  ~PosixWritableFile() override { ::close(fd_); }

  bool Write(const void* data, uint32_t size) override {
    const auto* bytes = static_cast<const char*>(data);
    uint32_t written = 0;
    while (written < size) {
      const ssize_t n = ::write(fd_, bytes + written, size - written);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      written += static_cast<uint32_t>(n);
    }
    return true;
  }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<platform::WritableFile> PosixPlatform::CreateBinaryFile(const std::string& path) {
  const int fd = ::open(ToPosixPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  return std::make_unique<PosixWritableFile>(fd);
}

bool PosixPlatform::FileSize(const std::string& path, uint64_t* size) {
  struct stat st {};
  if (::stat(ToPosixPath(path).c_str(), &st) != 0) return false;
  // As the Windows attributes report it: a folder has no size of its own.
  *size = S_ISDIR(st.st_mode) ? 0 : static_cast<uint64_t>(st.st_size);
  return true;
}

bool PosixPlatform::RemoveFile(const std::string& path) {
  return ::unlink(ToPosixPath(path).c_str()) == 0;
}

}  // namespace posix
