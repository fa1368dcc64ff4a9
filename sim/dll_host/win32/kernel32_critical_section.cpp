// Critical sections: recursive locks. The caller's 24-byte CRITICAL_SECTION
// holds a pointer to the layer's lock in its first word (from Initialize to
// Delete) and mirrors the owner and recursion count as Windows keeps them.
#include <pthread.h>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/kernel32_exports.h"

namespace sim::dll_host::win32 {
namespace {

struct SectionLock {
  pthread_mutex_t mutex;
};

SectionLock& LockOf(CriticalSection* section, const char* function) {
  if (section == nullptr || section->debugInfo == 0) {
    FailScenario(std::string("unimplemented import ") + function +
                 " (critical section not initialised)");
  }
  return *reinterpret_cast<SectionLock*>(static_cast<uintptr_t>(section->debugInfo));
}

void Entered(CriticalSection* section) {
  section->owningThread = GetCurrentThreadId();
  ++section->recursionCount;
}

}  // namespace

void K32_API InitializeCriticalSection(CriticalSection* section) {
  auto* lock = new SectionLock;
  pthread_mutexattr_t attributes;
  pthread_mutexattr_init(&attributes);
  pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
  pthread_mutex_init(&lock->mutex, &attributes);
  pthread_mutexattr_destroy(&attributes);
  *section = {};
  section->lockCount = -1;
  section->debugInfo = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(lock));
}

void K32_API EnterCriticalSection(CriticalSection* section) {
  pthread_mutex_lock(&LockOf(section, "EnterCriticalSection").mutex);
  Entered(section);
}

Bool K32_API TryEnterCriticalSection(CriticalSection* section) {
  if (pthread_mutex_trylock(&LockOf(section, "TryEnterCriticalSection").mutex) != 0) return kFalse;
  Entered(section);
  return kTrue;
}

void K32_API LeaveCriticalSection(CriticalSection* section) {
  SectionLock& lock = LockOf(section, "LeaveCriticalSection");
  if (section->owningThread != GetCurrentThreadId() || section->recursionCount <= 0) {
    FailScenario("LeaveCriticalSection by a thread that does not hold the section");
  }
  if (--section->recursionCount == 0) section->owningThread = 0;
  pthread_mutex_unlock(&lock.mutex);
}

void K32_API DeleteCriticalSection(CriticalSection* section) {
  SectionLock& lock = LockOf(section, "DeleteCriticalSection");
  pthread_mutex_destroy(&lock.mutex);
  delete &lock;
  *section = {};
}

}  // namespace sim::dll_host::win32
