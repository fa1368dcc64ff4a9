// The session of the USER32/SHELL32/WININET test program: one simulated
// machine at a time, FailScenario as an exception (leaving a host step
// first, as the real session does), and an import table with those DLLs
// and the KERNEL32 functions they reach through it (the layer's own block
// and last-error functions; process and thread ids as fixed values).
#include "sim/dll_host/win32/tests/user32_test_machine.h"

#include <exception>
#include <string_view>

#include "sim/dll_host/host_step.h"
#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/import_table.h"
#include "sim/dll_host/win32/kernel32_exports.h"

extern "C" void quorlan_step_abandon();

namespace sim::dll_host {
namespace {

Os*& CurrentMachine() {
  static Os* os = new Os();
  return os;
}

win32::Dword K32_API FixedProcessId() { return 0x1000; }
win32::Dword K32_API FixedThreadId() { return 0x2004; }

const ImportSymbol kKernel32[] = {
    {"GlobalAlloc", reinterpret_cast<const void*>(&win32::GlobalAlloc)},
    {"GlobalFree", reinterpret_cast<const void*>(&win32::GlobalFree)},
    {"GlobalLock", reinterpret_cast<const void*>(&win32::GlobalLock)},
    {"GlobalSize", reinterpret_cast<const void*>(&win32::GlobalSize)},
    {"GlobalUnlock", reinterpret_cast<const void*>(&win32::GlobalUnlock)},
    {"SetLastError", reinterpret_cast<const void*>(&win32::SetLastError)},
    {"GetLastError", reinterpret_cast<const void*>(&win32::GetLastError)},
    {"GetCurrentProcessId", reinterpret_cast<const void*>(&FixedProcessId)},
    {"GetCurrentThreadId", reinterpret_cast<const void*>(&FixedThreadId)},
};

}  // namespace

Os& MachineOs() { return *CurrentMachine(); }

void EnterLibraryThread() {}
void LeaveLibraryThread() {}

void FailScenario(const std::string& message) {
  if (InsideHostStep()) {
    AbandonCurrentStep(std::make_exception_ptr(test::ScenarioFailed(message)));
    asm volatile("jmp quorlan_step_abandon");
    __builtin_unreachable();
  }
  throw test::ScenarioFailed(message);
}

const void* FindImport(std::string_view dll, std::string_view name) {
  std::span<const ImportSymbol> table;
  if (dll == "KERNEL32.dll") table = kKernel32;
  if (dll == "USER32.dll") table = User32Symbols();
  if (dll == "SHELL32.dll") table = Shell32Symbols();
  if (dll == "WININET.DLL") table = WininetSymbols();
  for (const ImportSymbol& symbol : table) {
    if (name == symbol.name) return symbol.address;
  }
  return nullptr;
}

}  // namespace sim::dll_host

namespace sim::dll_host::test {

Os& FreshMachine() {
  CurrentMachine() = new Os();
  return *CurrentMachine();
}

}  // namespace sim::dll_host::test
