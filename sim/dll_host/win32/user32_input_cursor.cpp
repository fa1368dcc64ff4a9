// Keys, mouse capture, client coordinates and the cursor shape, answered
// by the machine as the simulator's platform answers the core.
#include "sim/dll_host/win32/user32_exports.h"
#include "sim/os/sim_os.h"

namespace sim::dll_host::win32 {
namespace {

constexpr Dword kKeyEventKeyUp = 0x0002;

// The standard cursors the DLL loads (LoadCursorA(NULL, IDC_...)) and the
// handles that stand for them: distinct, non-null, and nothing else's.
struct StandardCursor {
  uint32_t resource;
  uint32_t handle;
  CursorShape shape;
};
constexpr StandardCursor kCursors[] = {
    {32512 /*IDC_ARROW*/, 0x00010011, CursorShape::Arrow},
    {32645 /*IDC_SIZENS*/, 0x00010021, CursorShape::SizeNorthSouth},
};

uint32_t HandleOf(CursorShape shape) {
  for (const StandardCursor& cursor : kCursors) {
    if (cursor.shape == shape) return cursor.handle;
  }
  return 0;
}

}  // namespace

int16_t K32_API GetKeyState(int32_t virtualKey) { return MachineOs().KeyState(virtualKey); }

// Bit 0x8000 while the key is held, as GetKeyState: the machine has no
// "pressed since the last call" bit.
int16_t K32_API GetAsyncKeyState(int32_t virtualKey) { return MachineOs().KeyState(virtualKey); }

void K32_API keybd_event(uint8_t virtualKey, uint8_t scanCode, Dword flags, uint32_t extraInfo) {
  if ((flags & ~kKeyEventKeyUp) != 0 || scanCode != 0) {
    FailScenario("unimplemented import keybd_event (scan code " + std::to_string(scanCode) +
                 ", flags " + HexText(flags) + ")");
  }
  MachineOs().KeybdEvent(virtualKey, (flags & kKeyEventKeyUp) != 0);
}

// Returns the window that had the capture, as Windows does.
Hwnd K32_API SetCapture(Hwnd window) {
  const auto previous = static_cast<Hwnd>(MachineOs().CapturedWindow());
  MachineOs().SetCapture(window);
  return previous;
}

Bool K32_API ReleaseCapture() {
  MachineOs().ReleaseCapture();
  return kTrue;
}

// Every window's client area starts at the machine's one client origin,
// as the simulator's platform has it.
Bool K32_API ClientToScreen(Hwnd window, Point* point) {
  if (point == nullptr) return kFalse;
  point->x += MachineOs().clientOriginX;
  point->y += MachineOs().clientOriginY;
  return kTrue;
}

uint32_t K32_API LoadCursorA(uint32_t instance, const char* name) {
  const auto resource = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(name));
  if (instance == 0) {
    for (const StandardCursor& cursor : kCursors) {
      if (cursor.resource == resource) return cursor.handle;
    }
  }
  FailScenario("unimplemented import LoadCursorA (instance " + HexText(instance) + ", cursor " +
               (resource < 0x10000 ? std::to_string(resource) : std::string("by name")) + ")");
}

// Returns the cursor that was shown.
uint32_t K32_API SetCursor(uint32_t cursor) {
  for (const StandardCursor& standard : kCursors) {
    if (standard.handle != cursor) continue;
    const uint32_t previous = HandleOf(MachineOs().CurrentCursor());
    MachineOs().SetCursor(standard.shape);
    return previous;
  }
  FailScenario("unimplemented import SetCursor (cursor " + HexText(cursor) + ")");
}

// ---- custom cursors: the machine keeps them as the simulator's platform does --

uint32_t K32_API CreateCursor(uint32_t instance, int32_t hotX, int32_t hotY, int32_t width,
                              int32_t height, const uint8_t* andPlane, const uint8_t* xorPlane) {
  const uint32_t cursor =
      MachineOs().CreateCustomCursor(hotX, hotY, width, height, andPlane, xorPlane);
  if (cursor == 0) {
    FailScenario("unimplemented import CreateCursor (" + std::to_string(width) + " x " +
                 std::to_string(height) + ")");
  }
  return cursor;
}

// Only the library's own cursors are copied.
uint32_t K32_API CopyIcon(uint32_t icon) {
  const uint32_t copy = MachineOs().CopyCustomCursor(icon);
  if (copy == 0) FailScenario("unimplemented import CopyIcon (icon " + HexText(icon) + ")");
  return copy;
}

Bool K32_API DestroyCursor(uint32_t cursor) {
  return MachineOs().DestroyCustomCursor(cursor) ? kTrue : kFalse;
}

Bool K32_API SetSystemCursor(uint32_t cursor, Dword id) {
  constexpr Dword kNormalArrow = 32512;  // OCR_NORMAL
  if (id != kNormalArrow || !MachineOs().IsCustomCursor(cursor)) {
    FailScenario("unimplemented import SetSystemCursor (cursor " + HexText(cursor) + ", id " +
                 std::to_string(id) + ")");
  }
  return MachineOs().ReplaceSystemArrow(cursor) ? kTrue : kFalse;
}

Bool K32_API SystemParametersInfoA(uint32_t action, uint32_t param, void* data, uint32_t flags) {
  constexpr uint32_t kSetCursors = 0x0057;  // SPI_SETCURSORS
  if (action != kSetCursors || param != 0 || data != nullptr || flags != 0) {
    FailScenario("unimplemented import SystemParametersInfoA (action " + HexText(action) + ")");
  }
  MachineOs().RestoreSystemCursors();
  return kTrue;
}

}  // namespace sim::dll_host::win32
