// The process and the debugger: ExitProcess, debugger output, and the
// exception machinery winpthreads touches (a vectored handler it registers
// and that nothing here ever raises through; RaiseException, which it uses
// only to name threads for a debugger that is never present).
#include <atomic>
#include <cstdio>
#include <cstring>

#include "sim/dll_host/win32/process_end.h"
#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/kernel32_exports.h"
#include "sim/os/sim_os.h"

namespace sim::dll_host::win32 {
namespace {

std::atomic<uint32_t> nextVectoredHandler{0x7FFE0010};

}  // namespace

void K32_API ExitProcess(uint32_t code) { EndProcess(code); }

Bool K32_API IsDebuggerPresent() { return kFalse; }

void K32_API OutputDebugStringA(const char* text) {
  MachineOs().DebugOutput(text != nullptr ? text : "");
}

// The machine's environment (Os::environment): the value's length without
// its NUL when it fits the buffer, else the size it needs with its NUL; 0
// with ERROR_ENVVAR_NOT_FOUND (203) when the variable is not set.
Dword K32_API GetEnvironmentVariableA(const char* name, char* buffer, Dword size) {
  const auto& environment = MachineOs().environment;
  const auto it = name != nullptr ? environment.find(name) : environment.end();
  if (it == environment.end()) {
    SetThreadError(203);
    return 0;
  }
  const std::string& value = it->second;
  if (buffer == nullptr || size <= value.size()) return static_cast<Dword>(value.size() + 1);
  std::memcpy(buffer, value.c_str(), value.size() + 1);
  return static_cast<Dword>(value.size());
}

// A distinct, non-null registration; the handler is never called: no
// exception is ever dispatched on this host.
void* K32_API AddVectoredExceptionHandler(uint32_t first, void* handler) {
  return reinterpret_cast<void*>(static_cast<uintptr_t>(nextVectoredHandler.fetch_add(0x10)));
}

uint32_t K32_API RemoveVectoredExceptionHandler(void* handle) { return handle != nullptr ? 1 : 0; }

void K32_API RaiseException(Dword code, Dword flags, Dword argumentCount,
                            const uint32_t* arguments) {
  char text[64];
  std::snprintf(text, sizeof text, "RaiseException 0x%08X", code);
  FailScenario(std::string("unimplemented import ") + text +
               " (no exception is dispatched on this host)");
}

}  // namespace sim::dll_host::win32
