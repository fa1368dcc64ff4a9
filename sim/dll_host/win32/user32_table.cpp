// USER32's import table, and the helpers its files share.
#include <pthread.h>
#include <unistd.h>

#include <cstdio>

#include "sim/dll_host/win32/user32_exports.h"

namespace sim::dll_host::win32 {

bool OnMainThread() { return ::getpid() == static_cast<pid_t>(::gettid()); }

std::string HexText(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", value);
  return text;
}

void SetLastErrorOfThread(Dword code) {
  Kernel32Function<void(K32_API*)(Dword)>("SetLastError")(code);
}

namespace {

#define USER32_ENTRY(name) \
  { #name, reinterpret_cast < const void*>(&name) }
const ImportSymbol kUser32[] = {
    USER32_ENTRY(CallWindowProcA),
    USER32_ENTRY(CallWindowProcW),
    USER32_ENTRY(ClientToScreen),
    USER32_ENTRY(CloseClipboard),
    USER32_ENTRY(CopyIcon),
    USER32_ENTRY(CreateCursor),
    USER32_ENTRY(CreateWindowExA),
    USER32_ENTRY(DestroyCursor),
    USER32_ENTRY(EmptyClipboard),
    USER32_ENTRY(EnumWindows),
    USER32_ENTRY(GetActiveWindow),
    USER32_ENTRY(GetAsyncKeyState),
    USER32_ENTRY(GetClipboardData),
    USER32_ENTRY(GetDesktopWindow),
    USER32_ENTRY(GetKeyState),
    USER32_ENTRY(GetWindow),
    USER32_ENTRY(GetWindowThreadProcessId),
    USER32_ENTRY(IsClipboardFormatAvailable),
    USER32_ENTRY(IsWindowUnicode),
    USER32_ENTRY(IsWindowVisible),
    USER32_ENTRY(LoadCursorA),
    USER32_ENTRY(MessageBoxA),
    USER32_ENTRY(OpenClipboard),
    USER32_ENTRY(PostMessageA),
    USER32_ENTRY(ReleaseCapture),
    USER32_ENTRY(SendMessageA),
    USER32_ENTRY(SetCapture),
    USER32_ENTRY(SetClipboardData),
    USER32_ENTRY(SetCursor),
    USER32_ENTRY(SetSystemCursor),
    USER32_ENTRY(SetWindowLongA),
    USER32_ENTRY(SetWindowLongW),
    USER32_ENTRY(SystemParametersInfoA),
    USER32_ENTRY(keybd_event),
};
#undef USER32_ENTRY

}  // namespace
}  // namespace sim::dll_host::win32

namespace sim::dll_host {
std::span<const ImportSymbol> User32Symbols() { return win32::kUser32; }
}  // namespace sim::dll_host
