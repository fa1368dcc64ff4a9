// SHELL32: ShellExecuteA("open", target), recorded by the machine as the
// page (or file) the user would see opened; the simulator's platform
// records the same target string the core hands it.
#include <cstring>

#include "sim/dll_host/win32/user32_exports.h"
#include "sim/os/sim_os.h"

namespace sim::dll_host::win32 {

uint32_t K32_API ShellExecuteA(Hwnd owner, const char* operation, const char* file,
                               const char* parameters, const char* directory, int32_t show) {
  // Above 32 is success for ShellExecute; the value means nothing else.
  constexpr uint32_t kLaunched = 42;
  if (operation == nullptr || std::strcmp(operation, "open") != 0 || file == nullptr ||
      (parameters != nullptr && *parameters != '\0') ||
      (directory != nullptr && *directory != '\0')) {
    FailScenario(std::string("unimplemented import ShellExecuteA (operation ") +
                 (operation != nullptr ? operation : "null") + ", parameters or directory given, " +
                 "or no file)");
  }
  MachineOs().ShellOpen(file);
  return kLaunched;
}

namespace {
const ImportSymbol kShell32[] = {
    {"ShellExecuteA", reinterpret_cast<const void*>(&ShellExecuteA)},
};
}  // namespace

}  // namespace sim::dll_host::win32

namespace sim::dll_host {
std::span<const ImportSymbol> Shell32Symbols() { return win32::kShell32; }
}  // namespace sim::dll_host
