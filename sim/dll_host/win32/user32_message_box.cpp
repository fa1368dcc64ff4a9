// MessageBoxA: recorded by the machine (text, caption, flags) and answered
// at once with IDOK, as nobody sits at the simulated machine.
#include "sim/dll_host/win32/user32_exports.h"
#include "sim/os/sim_os.h"

namespace sim::dll_host::win32 {

int32_t K32_API MessageBoxA(Hwnd owner, const char* text, const char* caption, uint32_t type) {
  constexpr int32_t kIdOk = 1;
  // Windows titles a box without a caption "Error".
  MachineOs().ShowMessageBox(text != nullptr ? text : "", caption != nullptr ? caption : "Error",
                             type);
  return kIdOk;
}

}  // namespace sim::dll_host::win32
