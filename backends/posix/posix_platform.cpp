#include "backends/posix/posix_platform.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>

namespace posix {

std::string ToPosixPath(const std::string& path) {
  std::string result = path;
  for (char& c : result) {
    if (c == '\\') c = '/';
  }
  return result;
}

bool PosixPlatform::StartThread(std::function<uint32_t()> body) {
  // The thread never touches this object: whoever waits for the body to end
  // may destroy the platform as soon as it has.
  std::thread([body = std::move(body)]() mutable {
    try {
      body();
    } catch (...) {
      // A worker must never take the process down.
    }
  }).detach();
  return true;
}

platform::MappedFile PosixPlatform::MapFile(const std::string& path) {
  platform::MappedFile file;
  const int fd = ::open(ToPosixPath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return file;
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    return file;
  }
  file.size = static_cast<uint64_t>(st.st_size);
  if (file.size == 0) {
    // mmap refuses empty files; an empty file is a valid, empty view.
    static const uint8_t kEmpty = 0;
    file.data = &kEmpty;
    ::close(fd);
    return file;
  }
  void* view = ::mmap(nullptr, file.size, PROT_READ, MAP_PRIVATE, fd, 0);
  ::close(fd);
  if (view == MAP_FAILED) return platform::MappedFile{};
  file.data = static_cast<const uint8_t*>(view);
  file.handle = 1;
  return file;
}

void PosixPlatform::UnmapFile(platform::MappedFile& file) {
  if (file.handle != 0 && file.data != nullptr) {
    ::munmap(const_cast<uint8_t*>(file.data), file.size);
  }
  file = platform::MappedFile{};
}

}  // namespace posix
