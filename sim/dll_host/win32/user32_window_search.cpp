// What the DLL's search for the process's main window asks (EnumWindows,
// GetWindowThreadProcessId, GetWindow(GW_OWNER), IsWindowVisible) and the
// clipboard owner it names (GetActiveWindow). The machine knows one
// top-level window, the host's main window, so the search ends with exactly
// Os::FindProcessMainWindow(): the window when it is visible, else none.
#include "sim/dll_host/win32/user32_exports.h"
#include "sim/os/sim_os.h"

namespace sim::dll_host::win32 {
namespace {

constexpr uint32_t kGwOwner = 4;

// The windows these calls can be asked about: the top-level ones
// EnumWindows handed out. Any other is outside what the machine models.
void RequireMainWindow(const char* import, Hwnd window) {
  const uintptr_t main = MachineOs().mainWindow;
  if (main == 0 || window != main) {
    FailScenario(std::string("unimplemented import ") + import + " (window " + HexText(window) +
                 ", not the main window)");
  }
}

}  // namespace

// Calls `callback` for each top-level window until it answers FALSE; the
// result is FALSE when the callback stopped the walk, as Windows reports it.
// A hidden main window is listed too (EnumWindows lists hidden windows);
// IsWindowVisible tells it apart.
Bool K32_API EnumWindows(EnumWindowsCallback callback, int32_t data) {
  if (callback == nullptr) FailScenario("unimplemented import EnumWindows (no callback)");
  const uintptr_t main = MachineOs().mainWindow;
  if (main == 0) return kTrue;
  return callback(static_cast<Hwnd>(main), data) != kFalse ? kTrue : kFalse;
}

// The main window belongs to this process and its main thread.
Dword K32_API GetWindowThreadProcessId(Hwnd window, Dword* processId) {
  RequireMainWindow("GetWindowThreadProcessId", window);
  if (!OnMainThread()) {
    FailScenario("unimplemented import GetWindowThreadProcessId (from a worker thread)");
  }
  if (processId != nullptr) {
    *processId = Kernel32Function<Dword(K32_API*)()>("GetCurrentProcessId")();
  }
  return Kernel32Function<Dword(K32_API*)()>("GetCurrentThreadId")();
}

// The main window has no owner.
Hwnd K32_API GetWindow(Hwnd window, uint32_t command) {
  if (command != kGwOwner) {
    FailScenario("unimplemented import GetWindow (command " + std::to_string(command) + ")");
  }
  RequireMainWindow("GetWindow", window);
  return 0;
}

Bool K32_API IsWindowVisible(Hwnd window) {
  RequireMainWindow("IsWindowVisible", window);
  return MachineOs().mainWindowVisible ? kTrue : kFalse;
}

// The host's main window while it is shown (a hidden window is never the
// active one); none before it exists.
// The desktop: a window of no process, only ever handed back as an owner.
Hwnd K32_API GetDesktopWindow() { return kDesktopWindow; }

Hwnd K32_API GetActiveWindow() { return static_cast<Hwnd>(MachineOs().FindProcessMainWindow()); }

}  // namespace sim::dll_host::win32
