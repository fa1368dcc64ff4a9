// The KERNEL32 functions of the Win32 layer, with the signatures the DLL
// calls them with (stdcall, 32-bit handles and pointers). Kernel32Symbols()
// lists them by their exported names; the tests call them directly.
#pragma once

#include <cstdint>

#include "sim/dll_host/win32/kernel32_abi.h"

namespace sim::dll_host::win32 {

using ThreadStartRoutine = Dword(__attribute__((stdcall)) *)(void* parameter);

struct FileTime {
  Dword low, high;
};
struct SystemTime {
  uint16_t year, month, dayOfWeek, day, hour, minute, second, milliseconds;
};
struct FileAttributeData {  // WIN32_FILE_ATTRIBUTE_DATA
  Dword attributes;
  FileTime creation, lastAccess, lastWrite;
  Dword sizeHigh, sizeLow;
};
struct MemoryBasicInformation {  // MEMORY_BASIC_INFORMATION (32-bit)
  uint32_t baseAddress, allocationBase;
  Dword allocationProtect;
  uint32_t regionSize;
  Dword state, protect, type;
};
struct CriticalSection {  // CRITICAL_SECTION: 24 bytes of the caller's memory
  uint32_t debugInfo;  // holds the layer's own lock object
  int32_t lockCount, recursionCount;
  uint32_t owningThread, lockSemaphore, spinCount;
};
static_assert(sizeof(CriticalSection) == 24);

// ---- threads and handles (kernel32_threads.cpp) -------------------------------------
Handle K32_API CreateThread(void* security, uint32_t stackSize, ThreadStartRoutine start,
                            void* parameter, Dword flags, Dword* threadId);
Dword K32_API ResumeThread(Handle thread);
Handle K32_API GetCurrentThread();
Dword K32_API GetCurrentThreadId();
Handle K32_API GetCurrentProcess();
Dword K32_API GetCurrentProcessId();
Bool K32_API DuplicateHandle(Handle sourceProcess, Handle source, Handle targetProcess,
                             Handle* target, Dword access, Bool inherit, Dword options);
Bool K32_API GetHandleInformation(Handle object, Dword* flags);
Bool K32_API CloseHandle(Handle object);
int32_t K32_API GetThreadPriority(Handle thread);
Bool K32_API SetThreadPriority(Handle thread, int32_t priority);
Bool K32_API GetProcessAffinityMask(Handle process, uint32_t* processMask, uint32_t* systemMask);
Bool K32_API GetProcessTimes(Handle process, FileTime* creation, FileTime* exit,
                             FileTime* kernel, FileTime* user);
Bool K32_API GetThreadTimes(Handle thread, FileTime* creation, FileTime* exit, FileTime* kernel,
                            FileTime* user);

// ---- events, semaphores, waits (kernel32_sync.cpp) ---------------------------------------
Handle K32_API CreateEventA(void* security, Bool manualReset, Bool initialState,
                            const char* name);
Bool K32_API SetEvent(Handle event);
Bool K32_API ResetEvent(Handle event);
Handle K32_API CreateSemaphoreA(void* security, int32_t initialCount, int32_t maximumCount,
                                const char* name);
Bool K32_API ReleaseSemaphore(Handle semaphore, int32_t releaseCount, int32_t* previousCount);
Dword K32_API WaitForSingleObject(Handle object, Dword milliseconds);
Dword K32_API WaitForMultipleObjects(Dword count, const Handle* handles, Bool waitAll,
                                     Dword milliseconds);
void K32_API Sleep(Dword milliseconds);

// ---- critical sections (kernel32_critical_section.cpp) ---------------------------------------
void K32_API InitializeCriticalSection(CriticalSection* section);
void K32_API EnterCriticalSection(CriticalSection* section);
Bool K32_API TryEnterCriticalSection(CriticalSection* section);
void K32_API LeaveCriticalSection(CriticalSection* section);
void K32_API DeleteCriticalSection(CriticalSection* section);

// ---- thread-local slots and errors (kernel32_tls_errors.cpp) -----------------------------------
Dword K32_API TlsAlloc();
void* K32_API TlsGetValue(Dword index);
Bool K32_API TlsSetValue(Dword index, void* value);
Dword K32_API GetLastError();
void K32_API SetLastError(Dword code);

// ---- time (kernel32_time.cpp) ----------------------------------------------------------------------
Bool K32_API QueryPerformanceFrequency(int64_t* frequency);
Bool K32_API QueryPerformanceCounter(int64_t* counter);
uint64_t K32_API GetTickCount64();
void K32_API GetSystemTimeAsFileTime(FileTime* time);
Bool K32_API FileTimeToSystemTime(const FileTime* fileTime, SystemTime* systemTime);
Bool K32_API GetSystemTimeAdjustment(Dword* adjustment, Dword* increment, Bool* disabled);

// ---- memory (kernel32_memory.cpp) -------------------------------------------------------------------
Bool K32_API VirtualProtect(void* address, uint32_t size, Dword newProtection,
                            Dword* oldProtection);
uint32_t K32_API VirtualQuery(const void* address, MemoryBasicInformation* info, uint32_t size);
Handle K32_API GlobalAlloc(Dword flags, uint32_t bytes);
void* K32_API GlobalLock(Handle memory);
Bool K32_API GlobalUnlock(Handle memory);
uint32_t K32_API GlobalSize(Handle memory);
Handle K32_API GlobalFree(Handle memory);
Handle K32_API LocalFree(Handle memory);

// ---- modules (kernel32_modules.cpp) -------------------------------------------------------------------
Handle K32_API GetModuleHandleA(const char* name);
Handle K32_API GetModuleHandleW(const char16_t* name);
const void* K32_API GetProcAddress(Handle module, const char* name);
Handle K32_API LoadLibraryA(const char* name);
Handle K32_API LoadLibraryW(const char16_t* name);
Bool K32_API FreeLibrary(Handle module);

// ---- text (kernel32_text.cpp) -------------------------------------------------------------------------
int32_t K32_API MultiByteToWideChar(uint32_t codePage, Dword flags, const char* text,
                                    int32_t length, char16_t* wide, int32_t capacity);
int32_t K32_API WideCharToMultiByte(uint32_t codePage, Dword flags, const char16_t* wide,
                                    int32_t length, char* text, int32_t capacity,
                                    const char* defaultChar, Bool* usedDefault);
Bool K32_API IsDBCSLeadByteEx(uint32_t codePage, uint8_t byte);

// ---- process, debugger, exceptions (kernel32_process.cpp) -----------------------------------------------
[[noreturn]] void K32_API ExitProcess(uint32_t code);
Bool K32_API IsDebuggerPresent();
void K32_API OutputDebugStringA(const char* text);
Dword K32_API GetEnvironmentVariableA(const char* name, char* buffer, Dword size);
void* K32_API AddVectoredExceptionHandler(uint32_t first, void* handler);
uint32_t K32_API RemoveVectoredExceptionHandler(void* handle);
[[noreturn]] void K32_API RaiseException(Dword code, Dword flags, Dword argumentCount,
                                         const uint32_t* arguments);

// ---- files (kernel32_files.cpp) ----------------------------------------------------------------------------
Handle K32_API CreateFileA(const char* name, Dword access, Dword shareMode, void* security,
                           Dword disposition, Dword flags, Handle templateFile);
Bool K32_API ReadFile(Handle file, void* buffer, Dword toRead, Dword* read, void* overlapped);
Bool K32_API WriteFile(Handle file, const void* buffer, Dword toWrite, Dword* written,
                       void* overlapped);
Bool K32_API FlushFileBuffers(Handle file);
Bool K32_API GetFileSizeEx(Handle file, int64_t* size);
Bool K32_API GetFileAttributesExA(const char* name, int32_t infoLevel, FileAttributeData* data);
Bool K32_API CreateDirectoryA(const char* path, void* security);
Bool K32_API DeleteFileA(const char* path);
Bool K32_API MoveFileExA(const char* from, const char* to, Dword flags);
uint32_t K32_API GetTempFileNameA(const char* folder, const char* prefix, uint32_t unique,
                                  char* out);

// ---- file mapping (kernel32_mapping.cpp) ----------------------------------------------------------------------
Handle K32_API CreateFileMappingA(Handle file, void* security, Dword protection, Dword sizeHigh,
                                  Dword sizeLow, const char* name);
void* K32_API MapViewOfFile(Handle mapping, Dword access, Dword offsetHigh, Dword offsetLow,
                            uint32_t bytes);
Bool K32_API UnmapViewOfFile(const void* view);

}  // namespace sim::dll_host::win32
