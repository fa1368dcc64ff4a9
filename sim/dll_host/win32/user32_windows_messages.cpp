// Window procedures and messages: subclassing (SetWindowLong with
// GWL_WNDPROC), CallWindowProc, SendMessage, PostMessage, IsWindowUnicode
// and CreateWindowExA, answered by the machine's windows.
//
// A procedure the DLL installs is called through CallDllWindowProcedure: a
// host step with its four stdcall arguments, after which ESP must show the
// 16 bytes removed and EBX, ESI, EDI, EBP and the direction flag must be as
// they were; a procedure that breaks that fails the scenario, naming it.
#include "sim/dll_host/host_step.h"
#include "sim/dll_host/win32/user32_exports.h"
#include "sim/dll_host/window_procedures.h"
#include "sim/os/sim_os.h"

extern "C" void quorlan_step_abandon();

namespace sim::dll_host::win32 {
namespace {

constexpr int32_t kGwlWndProc = -4;

// Window procedures run as host steps, which only the main thread has: a
// worker sending a message is outside what this layer models.
void RequireMainThread(const char* import) {
  if (!OnMainThread()) {
    FailScenario(std::string("unimplemented import ") + import + " (from a worker thread)");
  }
}

// Runs `body` (which reaches host code) and passes whatever it throws on to
// the host; nothing may unwind into the DLL's frames.
template <class Body>
Lresult Guarded(Body body) {
  std::exception_ptr error;
  try {
    return static_cast<Lresult>(body());
  } catch (...) {
    error = std::current_exception();
  }
  // Out of the handler first: the exception lives on in `error` only.
  PassToHost(std::move(error));
}

int32_t Subclass(const char* import, Hwnd window, int32_t index, int32_t value) {
  if (index != kGwlWndProc) {
    FailScenario(std::string("unimplemented import ") + import + "(index " + std::to_string(index) +
                 ")");
  }
  RequireMainThread(import);
  const uintptr_t previous =
      MachineOs().SubclassWindow(window, static_cast<uint32_t>(value), &CallDllWindowProcedure);
  return static_cast<int32_t>(previous);
}

Lresult CallPrevious(const char* import, uint32_t previous, Hwnd window, uint32_t message,
                     uint32_t wParam, int32_t lParam) {
  RequireMainThread(import);
  return Guarded(
      [&] { return MachineOs().CallWindowProcedure(previous, window, message, wParam, lParam); });
}

}  // namespace

void PassToHost(std::exception_ptr error) {
  if (OnMainThread() && InsideHostStep()) {
    AbandonCurrentStep(std::move(error));
    // Straight back into the step's RunHostStep, which rethrows `error`;
    // the frames between (the DLL's and this layer's) are left as they are.
    asm volatile("jmp quorlan_step_abandon");
    __builtin_unreachable();
  }
  std::string what = "an exception from a window procedure";
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    what = e.what();
  } catch (...) {
  }
  FailScenario(what);
}

int32_t K32_API SetWindowLongA(Hwnd window, int32_t index, int32_t value) {
  return Subclass("SetWindowLongA", window, index, value);
}

int32_t K32_API SetWindowLongW(Hwnd window, int32_t index, int32_t value) {
  return Subclass("SetWindowLongW", window, index, value);
}

// The machine keeps one procedure per window whatever its character set;
// the A and W forms differ only in the translation this layer never needs
// (the simulated host's messages carry no text).
Lresult K32_API CallWindowProcA(uint32_t previous, Hwnd window, uint32_t message, uint32_t wParam,
                                int32_t lParam) {
  return CallPrevious("CallWindowProcA", previous, window, message, wParam, lParam);
}

Lresult K32_API CallWindowProcW(uint32_t previous, Hwnd window, uint32_t message, uint32_t wParam,
                                int32_t lParam) {
  return CallPrevious("CallWindowProcW", previous, window, message, wParam, lParam);
}

Lresult K32_API SendMessageA(Hwnd window, uint32_t message, uint32_t wParam, int32_t lParam) {
  RequireMainThread("SendMessageA");
  return Guarded([&] { return MachineOs().SendWindowMessage(window, message, wParam, lParam); });
}

Bool K32_API PostMessageA(Hwnd window, uint32_t message, uint32_t wParam, int32_t lParam) {
  MachineOs().PostWindowMessage(window, message, wParam, lParam);
  return kTrue;
}

Bool K32_API IsWindowUnicode(Hwnd window) { return MachineOs().unicodeWindows ? kTrue : kFalse; }

// The host's window creation decides everything; only the class (by name:
// the host registers its classes by name), the size and the parent reach it.
Hwnd K32_API CreateWindowExA(Dword exStyle, const char* className, const char* windowName,
                             Dword style, int32_t x, int32_t y, int32_t width, int32_t height,
                             Hwnd parent, uint32_t menu, uint32_t instance, void* param) {
  if (reinterpret_cast<uintptr_t>(className) < 0x10000) {
    FailScenario("unimplemented import CreateWindowExA (class atom " +
                 HexText(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(className))) + ")");
  }
  RequireMainThread("CreateWindowExA");
  return static_cast<Hwnd>(
      Guarded([&] { return MachineOs().CreateWindow(className, width, height, parent); }));
}

}  // namespace sim::dll_host::win32
