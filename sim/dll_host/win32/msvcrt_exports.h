// The msvcrt functions and data of the Win32 layer (cdecl), under Crt*
// names so they never shadow this program's own C library. MsvcrtSymbols()
// lists them by their exported names; the tests call them directly.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <string>

#include "sim/dll_host/win32/kernel32_abi.h"

namespace sim::dll_host::win32 {

// msvcrt's struct tm: nine ints, as the C standard orders them.
struct CrtTm {
  int32_t second, minute, hour, day, month, year, weekday, yearDay, isDst;
};
static_assert(sizeof(CrtTm) == 36);

// msvcrt's FILE is 32 bytes; _iob holds the standard streams first.
constexpr size_t kCrtFileSize = 32;
constexpr size_t kCrtIobEntries = 20;
extern uint8_t crtIob[kCrtIobEntries][kCrtFileSize];
extern int32_t crtMbCurMax;

using CrtThreadRoutine = uint32_t(__attribute__((stdcall)) *)(void* argument);
using CrtInitializer = void (*)();

// ---- process, threads, locks (msvcrt_process.cpp) ------------------------------------------
uintptr_t CRT_API CrtBeginThreadEx(void* security, uint32_t stackSize, CrtThreadRoutine start,
                                   void* argument, uint32_t flags, uint32_t* threadId);
[[noreturn]] void CRT_API CrtEndThreadEx(uint32_t code);
[[noreturn]] void CRT_API CrtExit(int32_t code);
[[noreturn]] void CRT_API CrtAbort();
[[noreturn]] void CRT_API CrtAmsgExit(int32_t message);
void CRT_API CrtInitTerm(CrtInitializer* begin, CrtInitializer* end);
void CRT_API CrtLock(int32_t lock);
void CRT_API CrtUnlock(int32_t lock);
void CRT_API CrtSetUserMathErr(void* handler);
int32_t* CRT_API CrtErrno();

// ---- setjmp (msvcrt_setjmp.cpp): assembly, registers saved as msvcrt does ------------------
extern "C" int CrtSetjmp3(uint32_t* buffer, int32_t count, ...);
extern "C" [[noreturn]] void CrtLongjmp(uint32_t* buffer, int32_t value);

// ---- memory and strings (msvcrt_memory_strings.cpp) -------------------------------------------
void* CRT_API CrtMalloc(size_t size);
void* CRT_API CrtCalloc(size_t count, size_t size);
void* CRT_API CrtRealloc(void* block, size_t size);
void CRT_API CrtFree(void* block);
const void* CRT_API CrtMemchr(const void* bytes, int32_t value, size_t count);
int32_t CRT_API CrtMemcmp(const void* a, const void* b, size_t count);
void* CRT_API CrtMemcpy(void* to, const void* from, size_t count);
void* CRT_API CrtMemmove(void* to, const void* from, size_t count);
void* CRT_API CrtMemset(void* to, int32_t value, size_t count);
const char* CRT_API CrtStrchr(const char* text, int32_t c);
int32_t CRT_API CrtStrcmp(const char* a, const char* b);
size_t CRT_API CrtStrlen(const char* text);
int32_t CRT_API CrtStrncmp(const char* a, const char* b, size_t count);
char* CRT_API CrtStrdup(const char* text);
size_t CRT_API CrtWcslen(const char16_t* text);
int32_t CRT_API CrtTolower(int32_t c);
int32_t CRT_API CrtAtoi(const char* text);
double CRT_API CrtAtof(const char* text);
char* CRT_API CrtUltoa(uint32_t value, char* buffer, int32_t radix);
char* CRT_API CrtStrerror(int32_t error);
char* CRT_API CrtSetlocale(int32_t category, const char* locale);
void* CRT_API CrtLocaleconv();

// ---- time (msvcrt_time.cpp) ----------------------------------------------------------------------
CrtTm* CRT_API CrtLocaltime64(const int64_t* time);
CrtTm* CRT_API CrtGmtime(const int32_t* time);

// ---- stdio (msvcrt_stdio.cpp) --------------------------------------------------------------------
void* CRT_API CrtFopen(const char* path, const char* mode);
int32_t CRT_API CrtFclose(void* file);
size_t CRT_API CrtFread(void* buffer, size_t size, size_t count, void* file);
size_t CRT_API CrtFwrite(const void* buffer, size_t size, size_t count, void* file);
int32_t CRT_API CrtFerror(void* file);
int32_t CRT_API CrtFflush(void* file);
int32_t CRT_API CrtFputc(int32_t c, void* file);
int32_t CRT_API CrtFputs(const char* text, void* file);
int32_t CRT_API CrtFprintf(void* file, const char* format, ...);
int32_t CRT_API CrtVfprintf(void* file, const char* format, va_list arguments);
int32_t CRT_API CrtPrintf(const char* format, ...);
int32_t CRT_API CrtRemove(const char* path);
int32_t CRT_API CrtRead(int32_t fd, void* buffer, uint32_t count);
int32_t CRT_API CrtClose(int32_t fd);

// msvcrt's printf formatting of `format` with `arguments` (msvcrt_format.cpp).
std::string CrtFormat(const char* format, va_list arguments);
// The msvcrt errno value for this program's `error`.
int32_t CrtErrnoFromPosix(int error);
// Stores CrtErrnoFromPosix(error) in the calling thread's msvcrt errno.
void SetCrtErrno(int error);

}  // namespace sim::dll_host::win32
