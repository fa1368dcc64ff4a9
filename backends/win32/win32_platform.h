// platform::Platform on Win32: the services the core needs inside the host
// process (memory protection, threads, clocks, file mapping, user32 calls,
// WinINet).
//
// The class holds no state, so one static instance is constant-initialised
// and can be installed from DllMain before the C runtime has run anything.
#pragma once

#include "platform/platform.h"

namespace win32 {

class Win32Platform final : public platform::Platform {
 public:
  constexpr Win32Platform() = default;

  bool VirtualProtect(uint32_t address, uint32_t size, uint32_t newProtection,
                      uint32_t* oldProtection) override;
  platform::CpuidResult Cpuid(uint32_t leaf) override;
  // CreateThread; the handle is closed at once and the thread never waited
  // for (this runs under the loader lock at attach). The thread itself
  // starts only once the loader lock is released.
  bool StartThread(std::function<uint32_t()> body) override;
  void Sleep(uint32_t milliseconds) override;
  bool QueryPerformanceFrequency(int64_t* frequency) override;
  bool QueryPerformanceCounter(int64_t* counter) override;
  platform::WallClock Now() override;
  bool LocalTime(uint64_t seconds, platform::CalendarTime* out) override;
  uint32_t HostModuleBase() override;
  void DebugOutput(const std::string& text) override;
  // A zero-size file (CreateFileMappingA refuses those) maps to an empty,
  // non-null view with no handle to release, as in the POSIX backend; only
  // a file that cannot be opened, sized or mapped gives data == nullptr.
  // `handle` is the mapping handle; the file handle is closed once the
  // mapping holds the file.
  platform::MappedFile MapFile(const std::string& path) override;
  void UnmapFile(platform::MappedFile& file) override;
  int16_t KeyState(int virtualKey) override;
  intptr_t SendWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                             intptr_t lParam) override;
  // A standard system cursor (LoadCursorA(NULL, ...) then SetCursor).
  void SetCursor(platform::Cursor cursor) override;
  // CF_TEXT through the clipboard (win32_clipboard.cpp). Writing makes the
  // calling thread's active window (the host's main window) the owner.
  bool GetClipboardText(std::string* text) override;
  bool SetClipboardText(const std::string& text) override;
  // Window subclassing and input (win32_windows.cpp). The library's window
  // procedures are plain functions: each gets a stdcall trampoline that
  // Windows can call.
  uintptr_t SubclassWindow(uintptr_t window, platform::WindowProcedure procedure,
                           bool unicode) override;
  intptr_t CallWindowProcedure(uintptr_t previous, uintptr_t window, uint32_t message,
                               uintptr_t wParam, intptr_t lParam, bool unicode) override;
  bool IsWindowUnicode(uintptr_t window) override;
  void SetCapture(uintptr_t window) override;
  void ReleaseCapture() override;
  void ClientToScreen(uintptr_t window, int32_t* x, int32_t* y) override;
  int16_t AsyncKeyState(int virtualKey) override;
  void KeybdEvent(uint8_t virtualKey, bool up) override;
  void ExitProcess(uint32_t code) override;
  uintptr_t FindProcessMainWindow() override;
  void PostWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                         intptr_t lParam) override;
  void ShowMessageBox(const std::string& text, const std::string& caption,
                      uint32_t flags) override;
  void ShellOpen(const std::string& target) override;
  void ShellOpenFromDesktop(const std::string& target) override;
  uintptr_t CreateWindowExA(uint32_t exStyle, const char* className, const char* windowName,
                            uint32_t style, int x, int y, int width, int height, uintptr_t parent,
                            uintptr_t menu, uintptr_t instance, void* param) override;
  // WinINet and the files downloads write (win32_internet.cpp), with exactly
  // the agents, access types and flags the core passes.
  bool AttemptConnect() override;
  std::unique_ptr<platform::HttpResponse> OpenUrl(const std::string& agent, uint32_t accessType,
                                                  const std::string& url, uint32_t flags,
                                                  platform::UrlOpenFailure* failure) override;
  std::unique_ptr<platform::ReadableFile> OpenBinaryFile(const std::string& path) override;
  std::unique_ptr<platform::WritableFile> CreateBinaryFile(const std::string& path) override;
  bool FileSize(const std::string& path, uint64_t* size) override;
  bool RemoveFile(const std::string& path) override;
  bool MoveIntoPlace(const std::string& from, const std::string& to) override;
  // The user's files, replaced through a temporary file (win32_files.cpp).
  bool ReadWholeFile(const std::string& path, std::string* content) override;
  std::string CreateTemporaryFileBeside(const std::string& path) override;
  bool WriteWholeFile(const std::string& path, const std::string& content) override;
  bool CreateFolder(const std::string& path) override;
  bool FlushFileToDisk(const std::string& path) override;
  bool EnvironmentVariable(const std::string& name, std::string* value) override;
  // The pick cursor and the system cursors (win32_cursors.cpp).
  uintptr_t CreateMonochromeCursor(int32_t hotX, int32_t hotY, int32_t width, int32_t height,
                                   const uint8_t* andPlane, const uint8_t* xorPlane) override;
  bool ReplaceSystemArrow(uintptr_t cursor) override;
  void RestoreSystemCursors() override;
  void DestroyCursor(uintptr_t cursor) override;
  uintptr_t ActiveWindow() override;
};

}  // namespace win32
