// The core's operating system in the simulator: platform::Platform answered
// from the simulated machine (sim/os/sim_os.h) — its virtual clock, recorded
// protection changes, injectable processor, debugger output, keys, windows,
// clipboard, message boxes and pages — with mapping, threads and HTTP the
// real POSIX ones (backends/posix), and files the real POSIX ones reached
// through the machine's file service, where its disk faults apply
// (sim_files.cpp).
#pragma once

#include "backends/posix/posix_platform.h"
#include "host/host_backend.h"
#include "sim/os/sim_os.h"

namespace sim {

// Thrown at a thread of the core that reaches for the disk once the process
// has ended (killed at a rename, sim/os/file_service.h): the thread stops
// there, as in a process that is gone. A host exception, so the library's
// entry guards let it pass to the link (linked_library.cpp), which ends the
// host's step; a worker's catch-all ends the worker.
struct ProcessKilled : host::HostRaised {};

class SimPlatform : public posix::PosixPlatform {
 public:
  explicit SimPlatform(Os& os) : os_(os) {}

  bool VirtualProtect(uint32_t address, uint32_t size, uint32_t newProtection,
                      uint32_t* oldProtection) override {
    return os_.VirtualProtect(address, size, newProtection, oldProtection);
  }
  platform::CpuidResult Cpuid(uint32_t leaf) override;
  // Fails while the machine refuses new threads (Os::threadStartsFail).
  bool StartThread(std::function<uint32_t()> body) override;
  // Virtual time: sleeping returns at once (no scenario waits for real time).
  void Sleep(uint32_t milliseconds) override {}
  bool QueryPerformanceFrequency(int64_t* frequency) override {
    return os_.PerformanceFrequency(frequency);
  }
  bool QueryPerformanceCounter(int64_t* counter) override {
    return os_.PerformanceCounter(counter);
  }
  platform::WallClock Now() override;
  // The simulated machine's local time is UTC.
  bool LocalTime(uint64_t seconds, platform::CalendarTime* out) override;
  uint32_t HostModuleBase() override { return 0x400000; }
  void DebugOutput(const std::string& text) override { os_.DebugOutput(text); }
  int16_t KeyState(int virtualKey) override { return os_.KeyState(virtualKey); }
  intptr_t SendWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                             intptr_t lParam) override {
    return os_.SendWindowMessage(window, message, wParam, lParam);
  }
  void SetCursor(platform::Cursor cursor) override;
  bool GetClipboardText(std::string* text) override { return os_.GetClipboardText(text); }
  bool SetClipboardText(const std::string& text) override { return os_.SetClipboardText(text); }
  uintptr_t SubclassWindow(uintptr_t window, platform::WindowProcedure procedure,
                           bool unicode) override;
  intptr_t CallWindowProcedure(uintptr_t previous, uintptr_t window, uint32_t message,
                               uintptr_t wParam, intptr_t lParam, bool unicode) override {
    return os_.CallWindowProcedure(previous, window, message, wParam, lParam);
  }
  bool IsWindowUnicode(uintptr_t window) override { return os_.unicodeWindows; }
  void SetCapture(uintptr_t window) override { os_.SetCapture(window); }
  void ReleaseCapture() override { os_.ReleaseCapture(); }
  void ClientToScreen(uintptr_t window, int32_t* x, int32_t* y) override {
    *x += os_.clientOriginX;
    *y += os_.clientOriginY;
  }
  int16_t AsyncKeyState(int virtualKey) override { return os_.KeyState(virtualKey); }
  void KeybdEvent(uint8_t virtualKey, bool up) override { os_.KeybdEvent(virtualKey, up); }
  void ExitProcess(uint32_t code) override { os_.ExitProcess(code); }
  uintptr_t FindProcessMainWindow() override { return os_.FindProcessMainWindow(); }
  void PostWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                         intptr_t lParam) override {
    os_.PostWindowMessage(window, message, wParam, lParam);
  }
  void ShowMessageBox(const std::string& text, const std::string& caption,
                      uint32_t flags) override {
    os_.ShowMessageBox(text, caption, flags);
  }
  void ShellOpen(const std::string& target) override { os_.ShellOpen(target); }
  void ShellOpenFromDesktop(const std::string& target) override { os_.ShellOpen(target); }
  uintptr_t CreateWindowExA(uint32_t exStyle, const char* className, const char* windowName,
                            uint32_t style, int x, int y, int width, int height, uintptr_t parent,
                            uintptr_t menu, uintptr_t instance, void* param) override {
    return os_.CreateWindow(className, width, height, parent);
  }
  bool EnvironmentVariable(const std::string& name, std::string* value) override;
  // Custom cursors and the system arrow, as the machine keeps them.
  uintptr_t CreateMonochromeCursor(int32_t hotX, int32_t hotY, int32_t width, int32_t height,
                                   const uint8_t* andPlane, const uint8_t* xorPlane) override {
    return os_.CreateCustomCursor(hotX, hotY, width, height, andPlane, xorPlane);
  }
  bool ReplaceSystemArrow(uintptr_t cursor) override;
  void RestoreSystemCursors() override { os_.RestoreSystemCursors(); }
  void DestroyCursor(uintptr_t cursor) override {
    os_.DestroyCustomCursor(static_cast<uint32_t>(cursor));
  }
  uintptr_t ActiveWindow() override { return os_.FindProcessMainWindow(); }
  // Recorded by the machine first; then the real libcurl transfer
  // (PosixPlatform) for an address on this machine, and a refusal for any
  // other.
  std::unique_ptr<platform::HttpResponse> OpenUrl(const std::string& agent, uint32_t accessType,
                                                  const std::string& url, uint32_t flags,
                                                  platform::UrlOpenFailure* failure) override;

  // ---- files (sim_files.cpp) ------------------------------------------------------
  // Writes and renames as the Win32 backend makes them, through the
  // machine's file service; WriteWholeFile takes the backend's steps
  // (GetTempFileNameA "qrl" in the folder, one write, flush, MoveFileExA,
  // deletion on failure), so a fault meets the same step in both hosts and
  // a temporary file left behind has the same name.
  std::unique_ptr<platform::WritableFile> CreateBinaryFile(const std::string& path) override;
  std::string CreateTemporaryFileBeside(const std::string& path) override;
  bool WriteWholeFile(const std::string& path, const std::string& content) override;
  bool MoveIntoPlace(const std::string& from, const std::string& to) override;
  bool RemoveFile(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  bool FlushFileToDisk(const std::string& path) override;
  std::unique_ptr<platform::ReadableFile> OpenBinaryFile(const std::string& path) override;
  bool ReadWholeFile(const std::string& path, std::string* content) override;
  bool FileSize(const std::string& path, uint64_t* size) override;

 private:
  // Throws ProcessKilled once the process has ended.
  void StopWhenEnded() const;

  Os& os_;
};

}  // namespace sim
