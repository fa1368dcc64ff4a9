// Window subclassing and input services of the Win32 platform.
#include <windows.h>

#include <atomic>

#include "win32_platform.h"

namespace win32 {
namespace {

// The library has a handful of window procedures (the main window's and the
// login child's). Each distinct one is given a slot with its own stdcall
// trampoline; slots are filled on the main thread and never emptied.
constexpr int kSlots = 4;
platform::WindowProcedure slots[kSlots] = {};

template <int N>
LRESULT CALLBACK Trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return slots[N](reinterpret_cast<uintptr_t>(window), message, wParam, lParam);
}

constexpr WNDPROC kTrampolines[kSlots] = {&Trampoline<0>, &Trampoline<1>, &Trampoline<2>,
                                          &Trampoline<3>};

WNDPROC TrampolineFor(platform::WindowProcedure procedure) {
  for (int i = 0; i < kSlots; ++i) {
    if (slots[i] == procedure) return kTrampolines[i];
    if (slots[i] == nullptr) {
      slots[i] = procedure;
      return kTrampolines[i];
    }
  }
  return nullptr;  // more procedures than slots: a wiring error, leave the window alone
}

}  // namespace

uintptr_t Win32Platform::SubclassWindow(uintptr_t window, platform::WindowProcedure procedure,
                                        bool unicode) {
  WNDPROC trampoline = TrampolineFor(procedure);
  if (trampoline == nullptr) return 0;
  HWND hwnd = reinterpret_cast<HWND>(window);
  const LONG_PTR value = reinterpret_cast<LONG_PTR>(trampoline);
  const LONG_PTR previous = unicode ? ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, value)
                                    : ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, value);
  return static_cast<uintptr_t>(previous);
}

intptr_t Win32Platform::CallWindowProcedure(uintptr_t previous, uintptr_t window,
                                            uint32_t message, uintptr_t wParam, intptr_t lParam,
                                            bool unicode) {
  WNDPROC procedure = reinterpret_cast<WNDPROC>(previous);
  HWND hwnd = reinterpret_cast<HWND>(window);
  return unicode ? ::CallWindowProcW(procedure, hwnd, message, wParam, lParam)
                 : ::CallWindowProcA(procedure, hwnd, message, wParam, lParam);
}

bool Win32Platform::IsWindowUnicode(uintptr_t window) {
  return ::IsWindowUnicode(reinterpret_cast<HWND>(window)) != 0;
}

void Win32Platform::SetCapture(uintptr_t window) { ::SetCapture(reinterpret_cast<HWND>(window)); }

void Win32Platform::ReleaseCapture() { ::ReleaseCapture(); }

void Win32Platform::ClientToScreen(uintptr_t window, int32_t* x, int32_t* y) {
  POINT point{*x, *y};
  if (::ClientToScreen(reinterpret_cast<HWND>(window), &point)) {
    *x = point.x;
    *y = point.y;
  }
}

int16_t Win32Platform::AsyncKeyState(int virtualKey) { return ::GetAsyncKeyState(virtualKey); }

void Win32Platform::KeybdEvent(uint8_t virtualKey, bool up) {
  ::keybd_event(virtualKey, 0, up ? KEYEVENTF_KEYUP : 0, 0);
}

void Win32Platform::ExitProcess(uint32_t code) { ::ExitProcess(code); }

}  // namespace win32
