// The file object behind a CreateFileA handle, shared with file mapping.
#pragma once

#include <unistd.h>

#include <string>

#include "sim/dll_host/win32/handle_table.h"

namespace sim::dll_host::win32 {

class FileObject final : public KernelObject {
 public:
  FileObject(int fd, std::string path, bool readable, bool writable)
      : fd(fd), path(std::move(path)), readable(readable), writable(writable) {}
  ~FileObject() override { ::close(fd); }
  FileObject(const FileObject&) = delete;
  FileObject& operator=(const FileObject&) = delete;

  const int fd;
  const std::string path;  // the POSIX path, for error translation
  const bool readable, writable;
};

}  // namespace sim::dll_host::win32
