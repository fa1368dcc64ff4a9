// Events, semaphores and the two waits. A wait checks its objects under
// SyncMutex() and sleeps on SyncChanged() until one of them changes; a
// successful wait takes what it waited for (Waitable::Acquire) in the same
// critical section, so two waiters never both take one auto-reset event.
//
// Finite timeouts run on the real clock: nothing in the library waits with
// one (its mutexes wait INFINITE), and a wait that times out early would
// make winpthreads retry for the rest of the time.
#include <sched.h>

#include <chrono>
#include <vector>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/handle_table.h"
#include "sim/dll_host/win32/kernel32_exports.h"

namespace sim::dll_host::win32 {
namespace {

constexpr Dword kWaitObject0 = 0x00000000, kWaitTimeout = 0x00000102, kWaitFailed = 0xFFFFFFFF;
constexpr Dword kMaximumWaitObjects = 64;

class EventObject final : public Waitable {
 public:
  EventObject(bool manualReset, bool signalled) : manualReset(manualReset), signalled(signalled) {}
  bool Signalled() const override { return signalled; }
  void Acquire() override {
    if (!manualReset) signalled = false;
  }
  const bool manualReset;
  bool signalled;
};

class SemaphoreObject final : public Waitable {
 public:
  SemaphoreObject(int32_t count, int32_t maximum) : count(count), maximum(maximum) {}
  bool Signalled() const override { return count > 0; }
  void Acquire() override { --count; }
  int32_t count;
  const int32_t maximum;
};

void RefuseNamed(const char* function, const char* name) {
  if (name != nullptr) {
    FailScenario(std::string("unimplemented import ") + function + " (named object " + name + ")");
  }
}

// The index of the object the wait may take now, or -1; for wait-all 0
// when every object is signalled. REQUIRES: SyncMutex() held.
int Ready(const std::vector<std::shared_ptr<Waitable>>& objects, bool waitAll) {
  if (waitAll) {
    for (const auto& object : objects) {
      if (!object->Signalled()) return -1;
    }
    return 0;
  }
  for (size_t i = 0; i < objects.size(); ++i) {
    if (objects[i]->Signalled()) return static_cast<int>(i);
  }
  return -1;
}

Dword WaitFor(const Handle* handles, Dword count, bool waitAll, Dword milliseconds) {
  if (count == 0 || count > kMaximumWaitObjects || handles == nullptr) {
    SetThreadError(kErrorInvalidParameter);
    return kWaitFailed;
  }
  std::vector<std::shared_ptr<Waitable>> objects;
  for (Dword i = 0; i < count; ++i) {
    if (handles[i] == kCurrentThreadHandle || handles[i] == kCurrentProcessHandle) {
      FailScenario("unimplemented import WaitForSingleObject (waits on itself for ever)");
    }
    auto object = FindHandleAs<Waitable>(handles[i]);
    if (!object) {
      SetThreadError(kErrorInvalidHandle);
      return kWaitFailed;
    }
    objects.push_back(std::move(object));
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  std::unique_lock lock(SyncMutex());
  for (;;) {
    const int ready = Ready(objects, waitAll);
    if (ready >= 0) {
      if (waitAll) {
        for (const auto& object : objects) object->Acquire();
      } else {
        objects[ready]->Acquire();
      }
      lock.unlock();
      SyncChanged().notify_all();  // a semaphore may still have count for others
      return kWaitObject0 + static_cast<Dword>(ready);
    }
    if (milliseconds == 0) return kWaitTimeout;
    if (milliseconds == kInfinite) {
      SyncChanged().wait(lock);
    } else if (SyncChanged().wait_until(lock, deadline) == std::cv_status::timeout &&
               Ready(objects, waitAll) < 0) {
      return kWaitTimeout;
    }
  }
}

template <class T>
Bool Change(Handle handle, void (*change)(T&)) {
  auto object = FindHandleAs<T>(handle);
  if (!object) {
    SetThreadError(kErrorInvalidHandle);
    return kFalse;
  }
  {
    std::lock_guard hold(SyncMutex());
    change(*object);
  }
  SyncChanged().notify_all();
  return kTrue;
}

}  // namespace

Handle K32_API CreateEventA(void* security, Bool manualReset, Bool initialState,
                            const char* name) {
  RefuseNamed("CreateEventA", name);
  return AddHandle(std::make_shared<EventObject>(manualReset != 0, initialState != 0));
}

Bool K32_API SetEvent(Handle event) {
  return Change<EventObject>(event, [](EventObject& e) { e.signalled = true; });
}

Bool K32_API ResetEvent(Handle event) {
  return Change<EventObject>(event, [](EventObject& e) { e.signalled = false; });
}

Handle K32_API CreateSemaphoreA(void* security, int32_t initialCount, int32_t maximumCount,
                                const char* name) {
  RefuseNamed("CreateSemaphoreA", name);
  if (maximumCount <= 0 || initialCount < 0 || initialCount > maximumCount) {
    SetThreadError(kErrorInvalidParameter);
    return 0;
  }
  return AddHandle(std::make_shared<SemaphoreObject>(initialCount, maximumCount));
}

Bool K32_API ReleaseSemaphore(Handle semaphore, int32_t releaseCount, int32_t* previousCount) {
  auto object = FindHandleAs<SemaphoreObject>(semaphore);
  if (!object) {
    SetThreadError(kErrorInvalidHandle);
    return kFalse;
  }
  {
    std::lock_guard hold(SyncMutex());
    if (releaseCount <= 0) {
      SetThreadError(kErrorInvalidParameter);
      return kFalse;
    }
    if (releaseCount > object->maximum - object->count) {
      SetThreadError(kErrorTooManyPosts);  // the count stays as it was
      return kFalse;
    }
    if (previousCount != nullptr) *previousCount = object->count;
    object->count += releaseCount;
  }
  SyncChanged().notify_all();
  return kTrue;
}

Dword K32_API WaitForSingleObject(Handle object, Dword milliseconds) {
  return WaitFor(&object, 1, false, milliseconds);
}

Dword K32_API WaitForMultipleObjects(Dword count, const Handle* handles, Bool waitAll,
                                     Dword milliseconds) {
  return WaitFor(handles, count, waitAll != 0, milliseconds);
}

// Virtual time: no sleep costs real time, as the simulator's own Sleep; the
// yield lets a loop that polls with Sleep make progress.
void K32_API Sleep(Dword milliseconds) { sched_yield(); }

}  // namespace sim::dll_host::win32
