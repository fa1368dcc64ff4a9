// Files: CreateFileA with its dispositions and errors, synchronous reads and
// writes, sizes and attributes, folders, deletion, replacement by rename and
// unique temporary names. Paths arrive the Windows way (PosixPath). Writes,
// renames and temporary names go through the machine's file service
// (sim/os/file_service.h), where the scenario's disk faults apply; once the
// process has ended, a thread that reaches for the disk ends there.
#include "sim/dll_host/win32/kernel32_files.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/kernel32_exports.h"
#include "sim/dll_host/win32/kernel32_time.h"
#include "sim/dll_host/win32/process_end.h"
#include "sim/os/file_service.h"
#include "sim/os/sim_os.h"

namespace sim::dll_host::win32 {
namespace {

constexpr Dword kGenericRead = 0x80000000, kGenericWrite = 0x40000000;
constexpr Dword kCreateNew = 1, kCreateAlways = 2, kOpenExisting = 3, kOpenAlways = 4,
                kTruncateExisting = 5;
// Attributes and hints that change nothing here (WRITE_THROUGH: every
// write reaches the file at once anyway).
constexpr Dword kAcceptedFileFlags = 0x0000FFFF /*attributes*/ | 0x80000000 /*WRITE_THROUGH*/ |
                                     0x10000000 /*RANDOM_ACCESS*/ | 0x08000000 /*SEQUENTIAL_SCAN*/;
constexpr Dword kAttributeDirectory = 0x10, kAttributeNormal = 0x80;
constexpr Dword kMoveReplaceExisting = 0x1, kMoveCopyAllowed = 0x2, kMoveWriteThrough = 0x8;
constexpr Dword kErrorDirectory = 267, kErrorBufferOverflow = 111;
constexpr size_t kMaxPath = 260;

Bool Fail(Dword error) {
  SetThreadError(error);
  return kFalse;
}

Bool FailErrno(const std::string& path) { return Fail(ErrorFromErrno(errno, path)); }

int OpenRetrying(const std::string& path, int flags) {
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Opens `path` as `disposition` says; *existed tells whether CREATE_ALWAYS
// or OPEN_ALWAYS found the file there already.
int OpenAs(const std::string& path, int accessFlags, Dword disposition, bool* existed) {
  *existed = false;
  switch (disposition) {
    case kCreateNew:
      return OpenRetrying(path, accessFlags | O_CREAT | O_EXCL);
    case kOpenExisting:
      return OpenRetrying(path, accessFlags);
    case kTruncateExisting:
      return OpenRetrying(path, accessFlags | O_TRUNC);
    case kCreateAlways:
    case kOpenAlways: {
      const int fd = OpenRetrying(path, accessFlags | O_CREAT | O_EXCL);
      if (fd >= 0 || errno != EEXIST) return fd;
      *existed = true;
      return OpenRetrying(path, accessFlags | (disposition == kCreateAlways ? O_TRUNC : 0));
    }
    default:
      errno = EINVAL;
      return -1;
  }
}

FileTime FileTimeOf(const struct timespec& time) {
  const uint64_t ticks =
      static_cast<uint64_t>(time.tv_sec + kEpochDifferenceSeconds) * kFileTimeTicksPerSecond +
      static_cast<uint64_t>(time.tv_nsec) / 100;
  return {static_cast<Dword>(ticks), static_cast<Dword>(ticks >> 32)};
}

// A killed process runs no more: the thread that got here stops as the
// process's other threads did.
void StopWhenEnded() {
  if (MachineOs().Exited()) EndProcess(MachineOs().ExitCode());
}

}  // namespace

Handle K32_API CreateFileA(const char* name, Dword access, Dword shareMode, void* security,
                           Dword disposition, Dword flags, Handle templateFile) {
  StopWhenEnded();
  if ((access & ~(kGenericRead | kGenericWrite)) != 0) {
    FailScenario("unimplemented import CreateFileA (access " + std::to_string(access) + ")");
  }
  if ((flags & ~kAcceptedFileFlags) != 0 || templateFile != 0) {
    FailScenario("unimplemented import CreateFileA (flags " + std::to_string(flags) + ")");
  }
  if (disposition < kCreateNew || disposition > kTruncateExisting ||
      (disposition == kTruncateExisting && (access & kGenericWrite) == 0) || name == nullptr) {
    SetThreadError(kErrorInvalidParameter);
    return kInvalidHandle;
  }
  const bool readable = (access & kGenericRead) != 0, writable = (access & kGenericWrite) != 0;
  const int accessFlags = writable ? (readable ? O_RDWR : O_WRONLY) : O_RDONLY;
  const std::string path = PosixPath(name);
  bool existed = false;
  const int fd = OpenAs(path, accessFlags, disposition, &existed);
  if (fd < 0) {
    SetThreadError(errno == EEXIST ? kErrorFileExists : ErrorFromErrno(errno, path));
    return kInvalidHandle;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {  // folders need backup semantics
    ::close(fd);
    SetThreadError(kErrorAccessDenied);
    return kInvalidHandle;
  }
  SetThreadError(existed ? kErrorAlreadyExists : kErrorSuccess);
  return AddHandle(std::make_shared<FileObject>(fd, path, readable, writable));
}

Bool K32_API ReadFile(Handle file, void* buffer, Dword toRead, Dword* read, void* overlapped) {
  if (overlapped != nullptr) FailScenario("unimplemented import ReadFile (overlapped)");
  if (read != nullptr) *read = 0;
  auto object = FindHandleAs<FileObject>(file);
  if (!object) return Fail(kErrorInvalidHandle);
  if (!object->readable) return Fail(kErrorAccessDenied);
  ssize_t count;
  do {
    count = ::read(object->fd, buffer, toRead);
  } while (count < 0 && errno == EINTR);
  if (count < 0) return FailErrno(object->path);
  if (read != nullptr) *read = static_cast<Dword>(count);
  return kTrue;  // 0 bytes at the end of the file
}

Bool K32_API WriteFile(Handle file, const void* buffer, Dword toWrite, Dword* written,
                       void* overlapped) {
  if (overlapped != nullptr) FailScenario("unimplemented import WriteFile (overlapped)");
  if (written != nullptr) *written = 0;
  auto object = FindHandleAs<FileObject>(file);
  if (!object) return Fail(kErrorInvalidHandle);
  if (!object->writable) return Fail(kErrorAccessDenied);
  StopWhenEnded();
  uint32_t done = 0;
  const int error = WriteFaulting(MachineOs(), object->fd, object->path, buffer, toWrite, &done);
  if (written != nullptr) *written = done;
  if (error != 0) return Fail(ErrorFromErrno(error, object->path));
  return kTrue;
}

Bool K32_API FlushFileBuffers(Handle file) {
  auto object = FindHandleAs<FileObject>(file);
  if (!object) return Fail(kErrorInvalidHandle);
  if (!object->writable) return Fail(kErrorAccessDenied);
  if (::fsync(object->fd) != 0) return FailErrno(object->path);
  return kTrue;
}

Bool K32_API GetFileSizeEx(Handle file, int64_t* size) {
  auto object = FindHandleAs<FileObject>(file);
  if (!object) return Fail(kErrorInvalidHandle);
  struct stat st {};
  if (::fstat(object->fd, &st) != 0) return FailErrno(object->path);
  *size = static_cast<int64_t>(st.st_size);
  return kTrue;
}

Bool K32_API GetFileAttributesExA(const char* name, int32_t infoLevel, FileAttributeData* data) {
  if (infoLevel != 0) {  // GetFileExInfoStandard
    FailScenario("unimplemented import GetFileAttributesExA (level " + std::to_string(infoLevel) +
                 ")");
  }
  StopWhenEnded();
  const std::string path = PosixPath(name);
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return FailErrno(path);
  const bool folder = S_ISDIR(st.st_mode);
  const uint64_t size = folder ? 0 : static_cast<uint64_t>(st.st_size);
  *data = {};
  data->attributes = folder ? kAttributeDirectory : kAttributeNormal;
  data->creation = FileTimeOf(st.st_ctim);
  data->lastAccess = FileTimeOf(st.st_atim);
  data->lastWrite = FileTimeOf(st.st_mtim);
  data->sizeHigh = static_cast<Dword>(size >> 32);
  data->sizeLow = static_cast<Dword>(size);
  return kTrue;
}

Bool K32_API CreateDirectoryA(const char* path, void* security) {
  StopWhenEnded();
  const std::string folder = PosixPath(path);
  if (::mkdir(folder.c_str(), 0755) != 0) return FailErrno(folder);
  return kTrue;
}

Bool K32_API DeleteFileA(const char* path) {
  StopWhenEnded();
  const std::string file = PosixPath(path);
  struct stat st {};
  if (::lstat(file.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return Fail(kErrorAccessDenied);
  if (::unlink(file.c_str()) != 0) return FailErrno(file);
  return kTrue;
}

Bool K32_API MoveFileExA(const char* from, const char* to, Dword flags) {
  if ((flags & ~(kMoveReplaceExisting | kMoveCopyAllowed | kMoveWriteThrough)) != 0) {
    FailScenario("unimplemented import MoveFileExA (flags " + std::to_string(flags) + ")");
  }
  const std::string source = PosixPath(from), target = PosixPath(to);
  struct stat st {};
  if (::lstat(source.c_str(), &st) != 0) return FailErrno(source);
  if ((flags & kMoveReplaceExisting) == 0 && ::lstat(target.c_str(), &st) == 0) {
    return Fail(kErrorAlreadyExists);
  }
  StopWhenEnded();
  // Within one folder tree rename(2) is the atomic replacement Windows gives.
  int error = 0;
  switch (RenameFaulting(MachineOs(), source, target, &error)) {
    case RenameOutcome::Renamed: return kTrue;
    case RenameOutcome::Killed: EndProcess(kKilledExitCode);
    case RenameOutcome::Failed: break;
  }
  return Fail(ErrorFromErrno(error, error == ENOENT ? target : source));
}

// "<folder>\<up to 3 prefix characters><4 hex digits>.tmp"; with unique 0 a
// number no file of the folder uses, and the file created empty.
uint32_t K32_API GetTempFileNameA(const char* folder, const char* prefix, uint32_t unique,
                                  char* out) {
  std::string base = folder != nullptr ? folder : "";
  const char separator = base.find('\\') != std::string::npos ? '\\' : '/';
  if (!base.empty() && base.back() != '\\' && base.back() != '/') base.push_back(separator);
  base.append(prefix != nullptr ? std::string(prefix).substr(0, 3) : "");
  struct stat st {};
  const std::string posixFolder = PosixPath(folder);
  if (::stat(posixFolder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    SetThreadError(kErrorDirectory);
    return 0;
  }
  StopWhenEnded();
  if (base.size() + std::strlen("XXXX.tmp") >= kMaxPath) {
    SetThreadError(kErrorBufferOverflow);
    return 0;
  }
  uint32_t number = unique & 0xFFFF;
  if (unique == 0) {
    // The machine numbers the temporary files, as it does for the other host.
    int error = 0;
    number = CreateTemporaryFile(MachineOs(), PosixPath(base.c_str()), &error);
    if (number == 0) {
      SetThreadError(error == EEXIST ? kErrorFileExists : ErrorFromErrno(error, posixFolder));
      return 0;
    }
  }
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04X.tmp", number);
  const std::string name = base + digits;
  std::memcpy(out, name.c_str(), name.size() + 1);
  return number;
}

}  // namespace sim::dll_host::win32
