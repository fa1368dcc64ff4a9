// msvcrt's streams on this program's C library. The DLL sees msvcrt FILE
// pointers: the standard streams are the first three entries of _iob, and
// each stream fopen opens is a record of the layer's own whose first 32
// bytes pose as an msvcrt FILE, followed by the CRITICAL_SECTION MinGW's
// _lock_file keeps there for streams outside _iob, and the real stream.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <set>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/msvcrt_exports.h"

namespace sim::dll_host::win32 {

alignas(16) uint8_t crtIob[kCrtIobEntries][kCrtFileSize] = {};
int32_t crtMbCurMax = 1;

namespace {

struct OpenedStream {
  uint8_t crtFile[kCrtFileSize] = {};
  uint8_t fileLock[24] = {};  // _lock_file's CRITICAL_SECTION (the DLL's to use)
  std::FILE* stream = nullptr;
};

std::mutex& StreamsLock() {
  static auto* lock = new std::mutex();
  return *lock;
}

std::set<const void*>& OpenedStreams() {
  static auto* opened = new std::set<const void*>();
  return *opened;
}

bool IsStandardStream(const void* file) {
  const auto* bytes = static_cast<const uint8_t*>(file);
  return bytes >= &crtIob[0][0] && bytes < &crtIob[3][0];
}

// The stream behind the DLL's FILE pointer; fails the scenario for one that
// names no open stream (a use after fclose would be a fault in the DLL).
std::FILE* StreamOf(void* file, const char* function) {
  if (IsStandardStream(file)) {
    const size_t index = static_cast<size_t>(static_cast<uint8_t*>(file) - &crtIob[0][0]) / kCrtFileSize;
    return index == 0 ? stdin : (index == 1 ? stdout : stderr);
  }
  std::lock_guard hold(StreamsLock());
  if (OpenedStreams().count(file) == 0) {
    FailScenario(std::string(function) + " on a FILE that is not open");
  }
  return static_cast<OpenedStream*>(file)->stream;
}

// msvcrt's mode letters without its own extras (t, c, n, N, S, R, T, D),
// which change nothing on this machine; 'e' keeps the descriptor private.
bool PosixMode(const char* mode, std::string* posix) {
  if (mode == nullptr || std::strchr("rwa", mode[0]) == nullptr) return false;
  for (const char* p = mode; *p != '\0'; ++p) {
    if (*p == ',') FailScenario("unimplemented import fopen (encoding in mode)");
    if (std::strchr("rwa+bx", *p) != nullptr) posix->push_back(*p);
  }
  posix->push_back('e');
  return true;
}

int32_t Written(std::FILE* stream, const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stream) != text.size()) {
    SetCrtErrno(errno);
    return -1;
  }
  return static_cast<int32_t>(text.size());
}

}  // namespace

void* CRT_API CrtFopen(const char* path, const char* mode) {
  std::string posixMode;
  if (path == nullptr || !PosixMode(mode, &posixMode)) {
    SetCrtErrno(EINVAL);
    return nullptr;
  }
  std::FILE* stream = std::fopen(PosixPath(path).c_str(), posixMode.c_str());
  if (stream == nullptr) {
    SetCrtErrno(errno);
    return nullptr;
  }
  auto* opened = new OpenedStream;
  opened->stream = stream;
  std::lock_guard hold(StreamsLock());
  OpenedStreams().insert(opened);
  return opened;
}

int32_t CRT_API CrtFclose(void* file) {
  if (IsStandardStream(file)) FailScenario("unimplemented import fclose (a standard stream)");
  std::FILE* stream = StreamOf(file, "fclose");
  {
    std::lock_guard hold(StreamsLock());
    OpenedStreams().erase(file);
  }
  delete static_cast<OpenedStream*>(file);
  if (std::fclose(stream) != 0) {
    SetCrtErrno(errno);
    return -1;
  }
  return 0;
}

size_t CRT_API CrtFread(void* buffer, size_t size, size_t count, void* file) {
  std::FILE* stream = StreamOf(file, "fread");
  const size_t read = std::fread(buffer, size, count, stream);
  if (read < count && std::ferror(stream)) SetCrtErrno(errno);
  return read;
}

size_t CRT_API CrtFwrite(const void* buffer, size_t size, size_t count, void* file) {
  std::FILE* stream = StreamOf(file, "fwrite");
  const size_t written = std::fwrite(buffer, size, count, stream);
  if (written < count) SetCrtErrno(errno);
  return written;
}

int32_t CRT_API CrtFerror(void* file) { return std::ferror(StreamOf(file, "ferror")) != 0 ? 1 : 0; }

int32_t CRT_API CrtFflush(void* file) {
  std::FILE* stream = file == nullptr ? nullptr : StreamOf(file, "fflush");
  if (std::fflush(stream) != 0) {
    SetCrtErrno(errno);
    return -1;
  }
  return 0;
}

int32_t CRT_API CrtFputc(int32_t c, void* file) {
  const int result = std::fputc(c, StreamOf(file, "fputc"));
  if (result == EOF) SetCrtErrno(errno);
  return result;
}

int32_t CRT_API CrtFputs(const char* text, void* file) {
  if (std::fputs(text, StreamOf(file, "fputs")) == EOF) {
    SetCrtErrno(errno);
    return EOF;
  }
  return 0;
}

int32_t CRT_API CrtVfprintf(void* file, const char* format, va_list arguments) {
  std::FILE* stream = StreamOf(file, "vfprintf");
  return Written(stream, CrtFormat(format, arguments));
}

int32_t CRT_API CrtFprintf(void* file, const char* format, ...) {
  std::FILE* stream = StreamOf(file, "fprintf");
  va_list arguments;
  va_start(arguments, format);
  const std::string text = CrtFormat(format, arguments);
  va_end(arguments);
  return Written(stream, text);
}

int32_t CRT_API CrtPrintf(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const std::string text = CrtFormat(format, arguments);
  va_end(arguments);
  return Written(stdout, text);
}

int32_t CRT_API CrtRemove(const char* path) {
  if (::unlink(PosixPath(path).c_str()) != 0) {
    SetCrtErrno(errno);
    return -1;
  }
  return 0;
}

// The DLL opens no descriptors of its own (it imports no _open): only the
// standard input can be read, and no standard descriptor may be closed.
int32_t CRT_API CrtRead(int32_t fd, void* buffer, uint32_t count) {
  if (fd != 0) {
    SetCrtErrno(EBADF);
    return -1;
  }
  const ssize_t read = ::read(fd, buffer, count);
  if (read < 0) SetCrtErrno(errno);
  return static_cast<int32_t>(read);
}

int32_t CRT_API CrtClose(int32_t fd) {
  if (fd >= 0 && fd <= 2) FailScenario("unimplemented import _close (a standard descriptor)");
  SetCrtErrno(EBADF);
  return -1;
}

}  // namespace sim::dll_host::win32
