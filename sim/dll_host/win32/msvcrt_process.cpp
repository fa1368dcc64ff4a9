// msvcrt's process and thread functions: _beginthreadex (how winpthreads
// starts a thread), _endthreadex, exit/abort/_amsg_exit, the constructor
// tables (_initterm), the numbered runtime locks and errno.
#include <pthread.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/kernel32_threads.h"
#include "sim/dll_host/win32/msvcrt_exports.h"
#include "sim/dll_host/win32/process_end.h"

namespace sim::dll_host::win32 {
namespace {

// msvcrt has 36 numbered locks; MinGW's stream locks use 16 + stream index.
constexpr int32_t kLockCount = 64;
constexpr int32_t kCrtEagain = 11;

pthread_mutex_t* Locks() {
  static pthread_mutex_t* locks = [] {
    auto* made = new pthread_mutex_t[kLockCount];
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
    for (int32_t i = 0; i < kLockCount; ++i) pthread_mutex_init(&made[i], &attributes);
    pthread_mutexattr_destroy(&attributes);
    return made;
  }();
  return locks;
}

pthread_mutex_t& LockNumber(int32_t lock, const char* function) {
  if (lock < 0 || lock >= kLockCount) {
    FailScenario(std::string("unimplemented import ") + function + " (lock " +
                 std::to_string(lock) + ")");
  }
  return Locks()[lock];
}

thread_local int32_t crtErrno = 0;

}  // namespace

uintptr_t CRT_API CrtBeginThreadEx(void* security, uint32_t stackSize, CrtThreadRoutine start,
                                   void* argument, uint32_t flags, uint32_t* threadId) {
  if ((flags & ~(kCreateSuspended | kStackSizeIsReservation)) != 0) {
    FailScenario("unimplemented import _beginthreadex (flags " + std::to_string(flags) + ")");
  }
  Dword error = kErrorSuccess;
  const Handle handle = StartLibraryThread(start, argument, flags, threadId, &error);
  if (handle == 0) {
    crtErrno = kCrtEagain;
    SetThreadError(error);
  }
  return handle;
}

void CRT_API CrtEndThreadEx(uint32_t code) {
  if (!OnLibraryWorker()) FailScenario("_endthreadex on a thread the library did not start");
  EndLibraryThread(code, /*detach=*/true);
}

void CRT_API CrtExit(int32_t code) { EndProcess(static_cast<uint32_t>(code)); }

// abort (std::terminate's end, when an exception found no handler) and
// "runtime error R60nn" (the runtime gave up) take a player's client down:
// never an outcome a scenario may pass with.
void CRT_API CrtAbort() { FailScenario("the library aborted the process (abort)"); }

void CRT_API CrtAmsgExit(int32_t message) {
  char number[16];
  std::snprintf(number, sizeof(number), "R60%02d", static_cast<int>(message % 100));
  FailScenario(std::string("the library's runtime gave up (runtime error ") + number + ")");
}

void CRT_API CrtInitTerm(CrtInitializer* begin, CrtInitializer* end) {
  for (CrtInitializer* entry = begin; entry < end; ++entry) {
    if (*entry != nullptr) (*entry)();
  }
}

void CRT_API CrtLock(int32_t lock) { pthread_mutex_lock(&LockNumber(lock, "_lock")); }

void CRT_API CrtUnlock(int32_t lock) { pthread_mutex_unlock(&LockNumber(lock, "_unlock")); }

// No floating-point error is ever reported through a handler here.
void CRT_API CrtSetUserMathErr(void* handler) {}

int32_t* CRT_API CrtErrno() { return &crtErrno; }

// Linux and msvcrt agree on the numbers up to ERANGE (34), not after.
int32_t CrtErrnoFromPosix(int error) {
  switch (error) {
    case EDEADLK:
      return 36;
    case ENAMETOOLONG:
      return 38;
    case ENOLCK:
      return 39;
    case ENOSYS:
      return 40;
    case ENOTEMPTY:
      return 41;
    case EILSEQ:
      return 42;
    default:
      return error <= 34 ? error : 22;  // EINVAL for what msvcrt cannot name
  }
}

void SetCrtErrno(int error) { crtErrno = CrtErrnoFromPosix(error); }

}  // namespace sim::dll_host::win32
