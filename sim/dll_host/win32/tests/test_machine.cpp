// The session of the Win32 layer's test program: one simulated machine, a
// loaded DLL base, counted thread attach/detach calls, and FailScenario as
// an exception the tests can expect. Only this test program links it.
#include "sim/dll_host/win32/tests/test_machine.h"

#include <stdexcept>
#include <string_view>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/dll_identity.h"
#include "sim/dll_host/win32/import_table.h"
#include "sim/os/sim_os.h"

namespace sim::dll_host {

Os& MachineOs() {
  static auto* os = new Os();
  return *os;
}

void EnterLibraryThread() { ++test::threadsEntered; }
void LeaveLibraryThread() { ++test::threadsLeft; }

void FailScenario(const std::string& message) { throw test::ScenarioFailed(message); }

uint32_t LoadedDllBase() { return 0x61E80000; }

const void* FindImport(std::string_view dll, std::string_view name) {
  std::span<const ImportSymbol> table;
  if (dll == "kernel32") table = Kernel32Symbols();
  if (dll == "msvcrt") table = MsvcrtSymbols();
  for (const ImportSymbol& symbol : table) {
    if (name == symbol.name) return symbol.address;
  }
  return nullptr;
}

}  // namespace sim::dll_host

namespace sim::dll_host::test {
std::atomic<int> threadsEntered{0}, threadsLeft{0};
}
