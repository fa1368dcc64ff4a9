// Kernel objects and the handles the DLL holds to them. A handle keeps its
// object alive until CloseHandle; a thread object also lives as long as its
// thread runs. Every waitable object's state is read and changed under one
// process-wide mutex, and every change is announced on one condition
// variable: waits are rare and short here, so simplicity wins.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

#include "sim/dll_host/win32/kernel32_abi.h"

namespace sim::dll_host::win32 {

// The pseudo-handles GetCurrentProcess and GetCurrentThread answer.
constexpr Handle kCurrentProcessHandle = 0xFFFFFFFF;
constexpr Handle kCurrentThreadHandle = 0xFFFFFFFE;

class KernelObject {
 public:
  virtual ~KernelObject() = default;
};

// An object WaitForSingleObject / WaitForMultipleObjects accept.
// REQUIRES: SyncMutex() is held for both calls.
class Waitable : public KernelObject {
 public:
  virtual bool Signalled() const = 0;
  // A successful wait took the object: an auto-reset event resets, a
  // semaphore counts down; others keep their state.
  virtual void Acquire() {}
};

std::mutex& SyncMutex();
std::condition_variable& SyncChanged();

// A new handle to `object` (never 0, never a pseudo-handle).
Handle AddHandle(std::shared_ptr<KernelObject> object);
// The object `handle` names; null for a closed or unknown handle.
std::shared_ptr<KernelObject> FindHandle(Handle handle);
template <class T>
std::shared_ptr<T> FindHandleAs(Handle handle) {
  return std::dynamic_pointer_cast<T>(FindHandle(handle));
}
// Forgets `handle`; false when it names nothing. The object dies here when
// this was its last reference (outside the table's lock).
bool RemoveHandle(Handle handle);

}  // namespace sim::dll_host::win32
