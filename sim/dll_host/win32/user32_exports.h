// The USER32, SHELL32 and WININET functions of the Win32 layer, as the DLL
// calls them (stdcall, 32-bit handles), and what their files share.
//
// Each answers from the simulated machine (sim/os/sim_os.h) exactly what the
// simulator's own platform (sim/linked/sim_platform.h) answers the core for
// the same operation, so both hosts observe one machine. Arguments the DLL
// is not known to pass fail the scenario as "unimplemented import NAME
// (...)" instead of answering something plausible.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/import_table.h"
#include "sim/dll_host/win32/kernel32_abi.h"

namespace sim::dll_host::win32 {

using Hwnd = uint32_t;
using Lresult = int32_t;

// ---- USER32: windows and messages (user32_windows_messages.cpp) ----------------
Lresult K32_API CallWindowProcA(uint32_t previous, Hwnd window, uint32_t message, uint32_t wParam,
                                int32_t lParam);
Lresult K32_API CallWindowProcW(uint32_t previous, Hwnd window, uint32_t message, uint32_t wParam,
                                int32_t lParam);
int32_t K32_API SetWindowLongA(Hwnd window, int32_t index, int32_t value);
int32_t K32_API SetWindowLongW(Hwnd window, int32_t index, int32_t value);
Lresult K32_API SendMessageA(Hwnd window, uint32_t message, uint32_t wParam, int32_t lParam);
Bool K32_API PostMessageA(Hwnd window, uint32_t message, uint32_t wParam, int32_t lParam);
Bool K32_API IsWindowUnicode(Hwnd window);
Hwnd K32_API CreateWindowExA(Dword exStyle, const char* className, const char* windowName,
                             Dword style, int32_t x, int32_t y, int32_t width, int32_t height,
                             Hwnd parent, uint32_t menu, uint32_t instance, void* param);

// ---- USER32: finding the process's main window (user32_window_search.cpp) ------
using EnumWindowsCallback = Bool(__attribute__((stdcall)) *)(Hwnd window, int32_t data);
Bool K32_API EnumWindows(EnumWindowsCallback callback, int32_t data);
Hwnd K32_API GetWindow(Hwnd window, uint32_t command);
Dword K32_API GetWindowThreadProcessId(Hwnd window, Dword* processId);
Bool K32_API IsWindowVisible(Hwnd window);
Hwnd K32_API GetActiveWindow();

// ---- USER32: keys, capture, cursor (user32_input_cursor.cpp) --------------------
struct Point {
  int32_t x, y;
};
int16_t K32_API GetKeyState(int32_t virtualKey);
int16_t K32_API GetAsyncKeyState(int32_t virtualKey);
void K32_API keybd_event(uint8_t virtualKey, uint8_t scanCode, Dword flags, uint32_t extraInfo);
Hwnd K32_API SetCapture(Hwnd window);
Bool K32_API ReleaseCapture();
Bool K32_API ClientToScreen(Hwnd window, Point* point);
uint32_t K32_API LoadCursorA(uint32_t instance, const char* name);
uint32_t K32_API SetCursor(uint32_t cursor);
uint32_t K32_API CreateCursor(uint32_t instance, int32_t hotX, int32_t hotY, int32_t width,
                              int32_t height, const uint8_t* andPlane, const uint8_t* xorPlane);
uint32_t K32_API CopyIcon(uint32_t icon);
Bool K32_API DestroyCursor(uint32_t cursor);
Bool K32_API SetSystemCursor(uint32_t cursor, Dword id);
Bool K32_API SystemParametersInfoA(uint32_t action, uint32_t param, void* data, uint32_t flags);

// ---- USER32: the clipboard (user32_clipboard.cpp) ----------------------------------
Bool K32_API OpenClipboard(Hwnd owner);
Bool K32_API CloseClipboard();
Bool K32_API EmptyClipboard();
Bool K32_API IsClipboardFormatAvailable(uint32_t format);
Handle K32_API GetClipboardData(uint32_t format);
Handle K32_API SetClipboardData(uint32_t format, Handle memory);

// The desktop window's handle, as GetDesktopWindow answers.
constexpr Hwnd kDesktopWindow = 0x00010000;
Hwnd K32_API GetDesktopWindow();

// ---- USER32: message boxes (user32_message_box.cpp) --------------------------------
int32_t K32_API MessageBoxA(Hwnd owner, const char* text, const char* caption, uint32_t type);

// ---- SHELL32 (shell32.cpp) -------------------------------------------------------------
uint32_t K32_API ShellExecuteA(Hwnd owner, const char* operation, const char* file,
                               const char* parameters, const char* directory, int32_t show);

// ---- shared -------------------------------------------------------------------------
// A KERNEL32 function of the layer, reached through the import table so that
// these DLLs link against no KERNEL32 source (the loader binds the same
// entries for the DLL). A missing one is a wiring error of this program.
template <class Function>
Function Kernel32Function(const char* name) {
  const void* address = FindImport("KERNEL32.dll", name);
  if (address == nullptr) FailScenario(std::string("the Win32 layer has no KERNEL32 ") + name);
  return reinterpret_cast<Function>(address);
}

// SetLastError through KERNEL32, so GetLastError in the DLL sees it.
void SetLastErrorOfThread(Dword code);

// "0x..." for messages.
std::string HexText(uint32_t value);

// Whether the caller runs on the process's main thread (the one every host
// step, and so every window procedure, runs on).
bool OnMainThread();

// An exception that came out of host code (a window procedure's host step,
// the host's own procedure) while the DLL called USER32: the DLL's frames
// have no unwind information, so it is handed to the enclosing host step,
// which rethrows it in the host, as a host exception passes the library's
// frames unseen. Outside a step it fails the scenario with its message.
[[noreturn]] void PassToHost(std::exception_ptr error);

}  // namespace sim::dll_host::win32
