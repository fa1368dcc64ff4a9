// Threads and handles: CreateThread and the thread objects behind the
// handles, the current thread and process, DuplicateHandle, CloseHandle,
// and the scheduling questions winpthreads asks (answered, never acted on).
#include "sim/dll_host/win32/kernel32_threads.h"

#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <csetjmp>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/handle_table.h"
#include "sim/os/sim_os.h"

namespace sim::dll_host::win32 {
namespace {

constexpr int32_t kPriorityErrorReturn = 0x7FFFFFFF;
constexpr Dword kDuplicateCloseSource = 0x1, kDuplicateSameAccess = 0x2;
constexpr Dword kProcessId = 0x1000;

class ThreadObject final : public Waitable {
 public:
  bool Signalled() const override { return ended; }

  // All fields but the start routine change under SyncMutex().
  Dword id = 0;
  bool suspended = false;
  bool ended = false;  // a worker's end; the host's threads never end here
  Dword exitCode = kStillActive;
  int32_t priority = 0;
  bool worker = false;
  ThreadStartRoutine start = nullptr;
  void* parameter = nullptr;
  std::jmp_buf exitJump{};  // the worker's way out of the DLL's frames
  Dword pendingExitCode = 0;
};

// The process itself, as DuplicateHandle(GetCurrentProcess()) gives it:
// waitable, and never signalled while anything here runs.
class ProcessObject final : public Waitable {
 public:
  bool Signalled() const override { return false; }
};

std::atomic<Dword> nextThreadId{0x104};

// The calling thread's object. A worker's is set when it starts; a host
// thread (the main thread) gets one the first time it asks. The holder's
// destructor ends a worker that leaves any other way (FailScenario ending
// the thread), so `settle` never waits on a thread that is gone.
struct CurrentThread {
  std::shared_ptr<ThreadObject> object;
  ~CurrentThread();
};
thread_local CurrentThread current;

// The machine's count drops before the handle is signalled: whoever waited
// for the thread finds it gone from the count as well.
void MarkEnded(ThreadObject& thread, Dword code) {
  {
    std::lock_guard hold(SyncMutex());
    if (thread.ended) return;
    MachineOs().ThreadEnded();
    thread.ended = true;
    thread.exitCode = code;
  }
  SyncChanged().notify_all();
}

CurrentThread::~CurrentThread() {
  if (object && object->worker) MarkEnded(*object, 1);
}

ThreadObject& CurrentThreadObject() {
  if (!current.object) {
    current.object = std::make_shared<ThreadObject>();
    current.object->id = nextThreadId.fetch_add(4);
  }
  return *current.object;
}

std::shared_ptr<ProcessObject> TheProcess() {
  static auto* process = new std::shared_ptr<ProcessObject>(std::make_shared<ProcessObject>());
  return *process;
}

void* WorkerMain(void* handedOver) {
  std::unique_ptr<std::shared_ptr<ThreadObject>> owned(
      static_cast<std::shared_ptr<ThreadObject>*>(handedOver));
  current.object = *owned;
  ThreadObject& self = *current.object;
  {
    std::unique_lock lock(SyncMutex());
    SyncChanged().wait(lock, [&] { return !self.suspended; });
  }
  EnterLibraryThread();
  Dword code = 0;
  if (setjmp(self.exitJump) == 0) {
    code = self.start(self.parameter);
    LeaveLibraryThread();
  } else {
    code = self.pendingExitCode;  // EndLibraryThread ran the detach already
  }
  MarkEnded(self, code);
  return nullptr;
}

// The thread object `handle` names, the pseudo-handle included.
std::shared_ptr<ThreadObject> ThreadFor(Handle handle) {
  if (handle == kCurrentThreadHandle) {
    CurrentThreadObject();
    return current.object;
  }
  return FindHandleAs<ThreadObject>(handle);
}

bool IsThisProcess(Handle process) {
  return process == kCurrentProcessHandle || FindHandleAs<ProcessObject>(process) != nullptr;
}

}  // namespace

Handle StartLibraryThread(ThreadStartRoutine start, void* parameter, Dword flags,
                          Dword* threadId, Dword* error) {
  if (MachineOs().threadStartsFail) {  // the machine refuses new threads
    *error = kErrorNotEnoughMemory;
    return 0;
  }
  auto thread = std::make_shared<ThreadObject>();
  thread->id = nextThreadId.fetch_add(4);
  thread->worker = true;
  thread->suspended = (flags & kCreateSuspended) != 0;
  thread->start = start;
  thread->parameter = parameter;
  const Handle handle = AddHandle(thread);

  MachineOs().ThreadStarted();
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  auto* handedOver = new std::shared_ptr<ThreadObject>(thread);
  pthread_t posixThread;
  const int failed = pthread_create(&posixThread, &attributes, &WorkerMain, handedOver);
  pthread_attr_destroy(&attributes);
  if (failed != 0) {
    delete handedOver;
    RemoveHandle(handle);
    MachineOs().ThreadEnded();
    *error = kErrorNotEnoughMemory;
    return 0;
  }
  if (threadId != nullptr) *threadId = thread->id;
  return handle;
}

bool OnLibraryWorker() { return current.object && current.object->worker; }

void EndLibraryThread(Dword code, bool detach) {
  ThreadObject& self = *current.object;
  if (detach) LeaveLibraryThread();
  self.pendingExitCode = code;
  std::longjmp(self.exitJump, 1);
}

Handle K32_API CreateThread(void* security, uint32_t stackSize, ThreadStartRoutine start,
                            void* parameter, Dword flags, Dword* threadId) {
  if ((flags & ~(kCreateSuspended | kStackSizeIsReservation)) != 0) {
    FailScenario("unimplemented import CreateThread (creation flags " + std::to_string(flags) +
                 ")");
  }
  // The stack size is a hint: every thread gets this program's default
  // stack, which is larger than the DLL's threads ask for.
  Dword error = kErrorSuccess;
  const Handle handle = StartLibraryThread(start, parameter, flags, threadId, &error);
  if (handle == 0) SetThreadError(error);
  return handle;
}

Dword K32_API ResumeThread(Handle thread) {
  auto object = ThreadFor(thread);
  if (!object) {
    SetThreadError(kErrorInvalidHandle);
    return 0xFFFFFFFF;
  }
  {
    std::lock_guard hold(SyncMutex());
    if (!object->suspended) return 0;
    object->suspended = false;
  }
  SyncChanged().notify_all();
  return 1;  // the previous suspend count
}

Handle K32_API GetCurrentThread() { return kCurrentThreadHandle; }

Dword K32_API GetCurrentThreadId() { return CurrentThreadObject().id; }

Handle K32_API GetCurrentProcess() { return kCurrentProcessHandle; }

Dword K32_API GetCurrentProcessId() { return kProcessId; }

Bool K32_API DuplicateHandle(Handle sourceProcess, Handle source, Handle targetProcess,
                             Handle* target, Dword access, Bool inherit, Dword options) {
  if (!IsThisProcess(sourceProcess) || !IsThisProcess(targetProcess)) {
    FailScenario("unimplemented import DuplicateHandle (another process)");
  }
  if ((options & ~(kDuplicateCloseSource | kDuplicateSameAccess)) != 0) {
    FailScenario("unimplemented import DuplicateHandle (options " + std::to_string(options) + ")");
  }
  std::shared_ptr<KernelObject> object;
  if (source == kCurrentThreadHandle) {
    object = ThreadFor(source);
  } else if (source == kCurrentProcessHandle) {
    object = TheProcess();
  } else {
    object = FindHandle(source);
  }
  if (!object) {
    SetThreadError(kErrorInvalidHandle);
    return kFalse;
  }
  const Handle duplicate = AddHandle(std::move(object));
  if ((options & kDuplicateCloseSource) != 0) RemoveHandle(source);
  if (target != nullptr) *target = duplicate;
  return kTrue;
}

Bool K32_API GetHandleInformation(Handle object, Dword* flags) {
  if (object != kCurrentThreadHandle && object != kCurrentProcessHandle && !FindHandle(object)) {
    SetThreadError(kErrorInvalidHandle);
    return kFalse;
  }
  if (flags != nullptr) *flags = 0;  // neither inheritable nor protected
  return kTrue;
}

Bool K32_API CloseHandle(Handle object) {
  if (object == kCurrentThreadHandle || object == kCurrentProcessHandle) return kTrue;
  if (!RemoveHandle(object)) {
    SetThreadError(kErrorInvalidHandle);
    return kFalse;
  }
  return kTrue;
}

int32_t K32_API GetThreadPriority(Handle thread) {
  auto object = ThreadFor(thread);
  if (!object) {
    SetThreadError(kErrorInvalidHandle);
    return kPriorityErrorReturn;
  }
  std::lock_guard hold(SyncMutex());
  return object->priority;
}

// Remembered for GetThreadPriority; the simulated machine has no scheduler
// to tell.
Bool K32_API SetThreadPriority(Handle thread, int32_t priority) {
  auto object = ThreadFor(thread);
  if (!object) {
    SetThreadError(kErrorInvalidHandle);
    return kFalse;
  }
  std::lock_guard hold(SyncMutex());
  object->priority = priority;
  return kTrue;
}

Bool K32_API GetProcessAffinityMask(Handle process, uint32_t* processMask, uint32_t* systemMask) {
  if (!IsThisProcess(process)) {
    SetThreadError(kErrorInvalidHandle);
    return kFalse;
  }
  long processors = ::sysconf(_SC_NPROCESSORS_ONLN);
  if (processors < 1) processors = 1;
  if (processors > 32) processors = 32;
  const uint32_t mask = processors == 32 ? 0xFFFFFFFFu : (1u << processors) - 1;
  *processMask = mask;
  *systemMask = mask;
  return kTrue;
}

Bool K32_API GetProcessTimes(Handle process, FileTime* creation, FileTime* exit,
                             FileTime* kernel, FileTime* user) {
  for (FileTime* time : {creation, exit, kernel, user}) {
    if (time != nullptr) *time = {0, 0};
  }
  return kTrue;
}

Bool K32_API GetThreadTimes(Handle thread, FileTime* creation, FileTime* exit, FileTime* kernel,
                            FileTime* user) {
  return GetProcessTimes(kCurrentProcessHandle, creation, exit, kernel, user);
}

}  // namespace sim::dll_host::win32
