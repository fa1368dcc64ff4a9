// How library code on quorlan-host32 leaves the host's flow when it cannot
// go on: a contract the host's Win32 layer cannot honour (FailScenario) or
// the end of the process (AbandonHostStep). On the main thread inside a host
// step both leave the DLL's frames at once, as a host exception or the end
// of the process would; a worker thread simply ends.
#include <pthread.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <utility>
#include <vector>

#include "sim/dll_host/host_step.h"
#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/process_end.h"
#include "sim/os/sim_os.h"

extern "C" void quorlan_step_abandon();

namespace sim::dll_host {
namespace {

std::mutex& FailureLock() {
  static std::mutex lock;
  return lock;
}
std::vector<std::string>& Failures() {
  static std::vector<std::string> failures;
  return failures;
}

bool OnMainThread() { return ::getpid() == static_cast<pid_t>(::gettid()); }

[[noreturn]] void LeaveStep(std::exception_ptr error) {
  AbandonCurrentStep(std::move(error));
  // Straight back into RunHostStep; the library's frames are left as they are.
  asm volatile("jmp quorlan_step_abandon");
  __builtin_unreachable();
}

}  // namespace

void FailScenario(const std::string& message) {
  if (OnMainThread() && InsideHostStep()) {
    // Where the host was when it broke: the entry that led to the call.
    LeaveStep(std::make_exception_ptr(
        std::runtime_error(message + " (in " + CurrentStepName() + ")")));
  }
  if (!OnMainThread()) {
    // The scenario fails when the host next looks (after the command).
    {
      std::lock_guard hold(FailureLock());
      Failures().push_back(message);
    }
    ::pthread_exit(nullptr);
  }
  std::fprintf(stderr, "quorlan-host32: %s\n", message.c_str());
  std::_Exit(1);
}

std::vector<std::string> TakeWorkerFailures() {
  std::lock_guard hold(FailureLock());
  return std::exchange(Failures(), {});
}

void AbandonHostStep(uint32_t code) {
  if (OnMainThread() && InsideHostStep()) LeaveStep(nullptr);
  std::_Exit(static_cast<int>(code));
}

}  // namespace sim::dll_host
