// Files: create-or-truncate for downloads, size, delete; whole reads,
// replacement through a temporary file in the same folder, folders.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "backends/posix/posix_platform.h"

namespace posix {
namespace {

bool WriteAll(int fd, const char* bytes, size_t size) {
  size_t written = 0;
  while (written < size) {
    const ssize_t n = ::write(fd, bytes + written, size - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<size_t>(n);
  }
  return true;
}

class PosixWritableFile final : public platform::WritableFile {
 public:
  explicit PosixWritableFile(int fd) : fd_(fd) {}
  ~PosixWritableFile() override { ::close(fd_); }

  bool Write(const void* data, uint32_t size) override {
    return WriteAll(fd_, static_cast<const char*>(data), size);
  }

 private:
  int fd_;
};

class PosixReadableFile final : public platform::ReadableFile {
 public:
  explicit PosixReadableFile(int fd) : fd_(fd) {}
  ~PosixReadableFile() override { ::close(fd_); }

  bool Read(void* buffer, uint32_t size, uint32_t* read) override {
    *read = 0;
    for (;;) {
      const ssize_t n = ::read(fd_, buffer, size);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return false;  // a folder, or a read error
      *read = static_cast<uint32_t>(n);
      return true;
    }
  }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<platform::ReadableFile> PosixPlatform::OpenBinaryFile(const std::string& path) {
  const int fd = ::open(ToPosixPath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::make_unique<PosixReadableFile>(fd);
}

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

bool PosixPlatform::MoveIntoPlace(const std::string& from, const std::string& to) {
  return std::rename(ToPosixPath(from).c_str(), ToPosixPath(to).c_str()) == 0;
}

bool PosixPlatform::ReadWholeFile(const std::string& path, std::string* content) {
  const int fd = ::open(ToPosixPath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  std::string bytes;
  char buffer[4096];
  bool ok = true;
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof(buffer));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  if (!ok) return false;  // a folder, or a read error
  *content = std::move(bytes);
  return true;
}

bool PosixPlatform::FlushFileToDisk(const std::string& path) {
  const int fd = ::open(ToPosixPath(path).c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  const bool flushed = ::fsync(fd) == 0;
  ::close(fd);
  return flushed;
}

std::string PosixPlatform::CreateTemporaryFileBeside(const std::string& path) {
  std::string temporary = ToPosixPath(path) + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return "";
  ::fchmod(fd, 0644);
  ::close(fd);
  return temporary;
}

bool PosixPlatform::WriteWholeFile(const std::string& path, const std::string& content) {
  const std::string target = ToPosixPath(path);
  // A new, uniquely named file next to the target, so the rename below is
  // atomic (same file system) and two writers never share a temporary file.
  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, content.data(), content.size()) && ::fsync(fd) == 0;
  // mkstemp creates the file for its owner only; a user file gets the usual
  // permissions.
  ::fchmod(fd, 0644);
  const bool closed = ::close(fd) == 0;
  if (written && closed && std::rename(temporary.c_str(), target.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

bool PosixPlatform::CreateFolder(const std::string& path) {
  return ::mkdir(ToPosixPath(path).c_str(), 0755) == 0;
}

}  // namespace posix
