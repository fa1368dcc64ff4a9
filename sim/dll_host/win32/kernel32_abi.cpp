// The helpers of kernel32_abi.h. (kernel32_tls_errors.cpp keeps the last
// error itself.)
#include <sys/stat.h>

#include <cerrno>

#include "sim/dll_host/win32/kernel32_abi.h"

namespace sim::dll_host::win32 {
namespace {

bool FolderExists(const std::string& posixPath) {
  const size_t slash = posixPath.find_last_of('/');
  const std::string folder =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : posixPath.substr(0, slash));
  struct stat st {};
  return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

Dword ErrorFromErrno(int error, const std::string& posixPath) {
  switch (error) {
    case 0:
      return kErrorSuccess;
    case ENOENT:
      return FolderExists(posixPath) ? kErrorFileNotFound : kErrorPathNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
      return kErrorPathNotFound;
    case EEXIST:
      return kErrorAlreadyExists;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return kErrorAccessDenied;
    case ENOTEMPTY:
      return kErrorDirNotEmpty;
    case ENOSPC:
      return kErrorDiskFull;
    case EIO:
      return kErrorWriteFault;
    case ENOMEM:
      return kErrorNotEnoughMemory;
    case EBADF:
      return kErrorInvalidHandle;
    case EBUSY:
    case ETXTBSY:
      return kErrorSharingViolation;
    default:
      return kErrorInvalidParameter;
  }
}

std::string PosixPath(const char* windowsPath) {
  std::string path = windowsPath != nullptr ? windowsPath : "";
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

}  // namespace sim::dll_host::win32
