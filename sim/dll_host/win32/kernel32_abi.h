// What every KERNEL32 and msvcrt function of the Win32 layer shares: the
// calling conventions, the 32-bit Windows types, the error codes the DLL
// tests for, the per-thread last error and the translation of Windows paths.
//
// The DLL's code keeps the stack only 4-byte aligned, while this program's
// code (i686 Linux) assumes 16 bytes at every call; each entry point the DLL
// calls therefore realigns its frame (force_align_arg_pointer).
#pragma once

#include <cstdint>
#include <string>

#define K32_API __attribute__((stdcall, force_align_arg_pointer))
#define CRT_API __attribute__((cdecl, force_align_arg_pointer))

namespace sim::dll_host::win32 {

using Bool = int32_t;
using Dword = uint32_t;
using Handle = uint32_t;  // handles are 32-bit values in the DLL's address space

constexpr Bool kTrue = 1, kFalse = 0;
constexpr Handle kInvalidHandle = 0xFFFFFFFF;
constexpr Dword kInfinite = 0xFFFFFFFF;

constexpr Dword kErrorSuccess = 0;
constexpr Dword kErrorFileNotFound = 2;
constexpr Dword kErrorPathNotFound = 3;
constexpr Dword kErrorAccessDenied = 5;
constexpr Dword kErrorInvalidHandle = 6;
constexpr Dword kErrorNotEnoughMemory = 8;
constexpr Dword kErrorNoMoreFiles = 18;
constexpr Dword kErrorWriteFault = 29;
constexpr Dword kErrorSharingViolation = 32;
constexpr Dword kErrorHandleEof = 38;
constexpr Dword kErrorFileExists = 80;
constexpr Dword kErrorInvalidParameter = 87;
constexpr Dword kErrorDiskFull = 112;
constexpr Dword kErrorInsufficientBuffer = 122;
constexpr Dword kErrorModNotFound = 126;
constexpr Dword kErrorProcNotFound = 127;
constexpr Dword kErrorDirNotEmpty = 145;
constexpr Dword kErrorNotLocked = 158;
constexpr Dword kErrorAlreadyExists = 183;
constexpr Dword kErrorFileInvalid = 1006;
constexpr Dword kErrorTooManyPosts = 298;

// The calling thread's last error (GetLastError / SetLastError).
void SetThreadError(Dword code);
Dword ThreadError();

// The Windows error for the errno a file operation on `posixPath` failed
// with. ENOENT is ERROR_FILE_NOT_FOUND when the folder exists and
// ERROR_PATH_NOT_FOUND when it does not, as Windows tells them apart.
Dword ErrorFromErrno(int error, const std::string& posixPath);

// A path as the DLL builds it ("C:/x\\y" never occurs: the host's folders
// are absolute POSIX paths written with either separator) with every '\'
// turned into '/'.
std::string PosixPath(const char* windowsPath);

}  // namespace sim::dll_host::win32
