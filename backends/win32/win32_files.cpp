// The user's files: whole reads, replacement through a temporary file in the
// same folder, folder creation.
#include <windows.h>

#include <cstdint>

#include "win32_platform.h"

namespace win32 {
namespace {

// Closes the handle when it goes out of scope.
struct FileHandle {
  HANDLE handle;
  ~FileHandle() {
    if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
  }
};

// The folder part of `path` ("." when it has none), for the temporary file.
std::string FolderOf(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  if (separator == std::string::npos) return ".";
  if (separator == 0) return path.substr(0, 1);
  return path.substr(0, separator);
}

bool WriteAll(HANDLE file, const std::string& content) {
  size_t written = 0;
  while (written < content.size()) {
    const size_t left = content.size() - written;
    const DWORD chunk = left > 0x10000000u ? 0x10000000u : static_cast<DWORD>(left);
    DWORD count = 0;
    if (!::WriteFile(file, content.data() + written, chunk, &count, nullptr) || count == 0) {
      return false;
    }
    written += count;
  }
  return true;
}

}  // namespace

bool Win32Platform::ReadWholeFile(const std::string& path, std::string* content) {
  // A writer replacing the file meanwhile renames over it, which an open
  // handle does not stop when it shares deletion.
  FileHandle file{::CreateFileA(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.handle == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.handle, &size) || size.QuadPart < 0 || size.QuadPart > 0x7FFFFFFF) {
    return false;
  }
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD count = 0;
    if (!::ReadFile(file.handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                    &count, nullptr)) {
      return false;
    }
    if (count == 0) break;  // the file shrank meanwhile
    done += count;
  }
  bytes.resize(done);
  *content = std::move(bytes);
  return true;
}

std::string Win32Platform::CreateTemporaryFileBeside(const std::string& path) {
  char temporary[MAX_PATH];
  if (::GetTempFileNameA(FolderOf(path).c_str(), "qrl", 0, temporary) == 0) return "";
  return temporary;
}

bool Win32Platform::WriteWholeFile(const std::string& path, const std::string& content) {
  // A new, uniquely named empty file in the target's folder, so the rename
  // below never crosses volumes.
  const std::string temporary = CreateTemporaryFileBeside(path);
  if (temporary.empty()) return false;
  bool written = false;
  {
    FileHandle file{::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr)};
    written = file.handle != INVALID_HANDLE_VALUE && WriteAll(file.handle, content) &&
              ::FlushFileBuffers(file.handle);
  }
  if (written &&
      ::MoveFileExA(temporary.c_str(), path.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  ::DeleteFileA(temporary.c_str());
  return false;
}

bool Win32Platform::FlushFileToDisk(const std::string& path) {
  FileHandle file{::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.handle == INVALID_HANDLE_VALUE) return false;
  return ::FlushFileBuffers(file.handle) != 0;
}

bool Win32Platform::EnvironmentVariable(const std::string& name, std::string* value) {
  char buffer[MAX_PATH * 2];
  const DWORD length = ::GetEnvironmentVariableA(name.c_str(), buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return false;
  value->assign(buffer, length);
  return true;
}

bool Win32Platform::CreateFolder(const std::string& path) {
  return ::CreateDirectoryA(path.c_str(), nullptr) != 0;
}

}  // namespace win32
