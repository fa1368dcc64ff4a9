// Custom cursors: a monochrome cursor of the library's own, put in place of
// the system's normal arrow while the player picks something, and the
// system cursors restored afterwards.
#include <windows.h>

#include "win32_platform.h"

namespace win32 {
namespace {

constexpr DWORD kNormalArrow = 32512;  // OCR_NORMAL

// The cursor belongs to the process's module, which lives as long as it.
HMODULE ThisModule() { return ::GetModuleHandleA(nullptr); }

}  // namespace

uintptr_t Win32Platform::CreateMonochromeCursor(int32_t hotX, int32_t hotY, int32_t width,
                                                int32_t height, const uint8_t* andPlane,
                                                const uint8_t* xorPlane) {
  return reinterpret_cast<uintptr_t>(
      ::CreateCursor(ThisModule(), hotX, hotY, width, height, andPlane, xorPlane));
}

bool Win32Platform::ReplaceSystemArrow(uintptr_t cursor) {
  HCURSOR copy = reinterpret_cast<HCURSOR>(::CopyIcon(reinterpret_cast<HICON>(cursor)));
  if (copy == nullptr) return false;
  if (::SetSystemCursor(copy, kNormalArrow)) return true;
  ::DestroyCursor(copy);  // not taken over by the system
  return false;
}

void Win32Platform::RestoreSystemCursors() {
  ::SystemParametersInfoA(SPI_SETCURSORS, 0, nullptr, 0);
}

void Win32Platform::DestroyCursor(uintptr_t cursor) {
  ::DestroyCursor(reinterpret_cast<HCURSOR>(cursor));
}

uintptr_t Win32Platform::ActiveWindow() { return reinterpret_cast<uintptr_t>(::GetActiveWindow()); }

}  // namespace win32
