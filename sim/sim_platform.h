// The simulator's operating system: a virtual clock that moves only when a
// scenario says so, recorded protection changes, an injectable processor,
// collected debugger output, held keys, and the simulated windows. Files,
// mapping and threads are the real POSIX ones.
#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "backends/posix/posix_platform.h"

namespace sim {

struct ProtectCall {
  uint32_t address;
  uint32_t size;
  uint32_t newProtection;
  uint32_t oldProtection;  // what the call reported
  bool succeeded;
};

class SimPlatform : public posix::PosixPlatform {
 public:
  // ---- Platform --------------------------------------------------------------
  bool VirtualProtect(uint32_t address, uint32_t size, uint32_t newProtection,
                      uint32_t* oldProtection) override;
  platform::CpuidResult Cpuid(uint32_t leaf) override;
  // Virtual time: sleeping returns at once (no scenario waits for real time).
  void Sleep(uint32_t milliseconds) override {}
  bool QueryPerformanceFrequency(int64_t* frequency) override;
  bool QueryPerformanceCounter(int64_t* counter) override;
  platform::WallClock Now() override;
  // The simulated machine's local time is UTC.
  bool LocalTime(uint64_t seconds, platform::CalendarTime* out) override;
  uint32_t HostModuleBase() override { return 0x400000; }
  void DebugOutput(const std::string& text) override;
  int16_t KeyState(int virtualKey) override;
  intptr_t SendWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                             intptr_t lParam) override;
  void SetCursor(platform::Cursor cursor) override { cursor_ = cursor; }
  bool GetClipboardText(std::string* text) override;
  bool SetClipboardText(const std::string& text) override;
  uintptr_t SubclassWindow(uintptr_t window, platform::WindowProcedure procedure,
                           bool unicode) override;
  intptr_t CallWindowProcedure(uintptr_t previous, uintptr_t window, uint32_t message,
                               uintptr_t wParam, intptr_t lParam, bool unicode) override;
  bool IsWindowUnicode(uintptr_t window) override { return unicodeWindows; }
  void SetCapture(uintptr_t window) override { captured_ = window; }
  void ReleaseCapture() override { captured_ = 0; }
  void ClientToScreen(uintptr_t window, int32_t* x, int32_t* y) override;
  int16_t AsyncKeyState(int virtualKey) override { return KeyState(virtualKey); }
  void KeybdEvent(uint8_t virtualKey, bool up) override;
  void ExitProcess(uint32_t code) override;
  uintptr_t FindProcessMainWindow() override { return mainWindowVisible ? mainWindow : 0; }
  void PostWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                         intptr_t lParam) override;
  void ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags) override;
  void ShellOpen(const std::string& target) override;
  uintptr_t CreateWindowExA(uint32_t exStyle, const char* className, const char* windowName,
                            uint32_t style, int x, int y, int width, int height, uintptr_t parent,
                            uintptr_t menu, uintptr_t instance, void* param) override;
  // Recorded first; then the real libcurl transfer (PosixPlatform) for an
  // address on this machine, and a refusal for any other.
  std::unique_ptr<platform::HttpResponse> OpenUrl(const std::string& agent, uint32_t accessType,
                                                  const std::string& url, uint32_t flags) override;

  // ---- switches and sinks for the simulator and tests -------------------------
  // Destroys a window as Windows does: WM_DESTROY, then WM_NCDESTROY, the
  // last message it gets, both through its current procedure; its subclass
  // goes with it.
  void DestroyWindow(uintptr_t window);
  void AdvanceClock(uint64_t milliseconds) { millis_ += milliseconds; }
  uint64_t ClockNow() const { return millis_; }
  void SetCalendar(int64_t secondsSince1970);
  void SetPerformanceCounterAvailable(bool available) { performanceCounter_ = available; }
  void SetSse2(bool present) { sse2_ = present; }
  void SetHighestCpuidLeaf(uint32_t leaf) { highestLeaf_ = leaf; }
  // VirtualProtect fails for calls whose address makes this return true.
  void SetProtectFailure(std::function<bool(uint32_t)> fails);

  std::vector<ProtectCall> ProtectCalls();
  void ClearProtectCalls();
  std::vector<std::string> TakeDebugOutput();
  void HoldKey(int virtualKey, bool held);
  platform::Cursor CurrentCursor() const { return cursor_; }
  uintptr_t CapturedWindow() const { return captured_; }
  // Synthetic key presses: (virtual key, up) in order.
  std::vector<std::pair<uint8_t, bool>>& SyntheticKeys() { return syntheticKeys_; }
  bool Exited() const { return exited_; }
  uint32_t ExitCode() const { return exitCode_; }
  // Where the client area's origin lies on the screen.
  int32_t clientOriginX = 8, clientOriginY = 31;
  bool unicodeWindows = false;
  // The clipboard as the scenario sets and checks it; `failing` makes every
  // clipboard call fail as if it could not be opened.
  std::string clipboard;
  bool clipboardHasText = false;
  bool clipboardFailing = false;

  // The host's main window (0 before it exists) and whether it is visible,
  // for FindProcessMainWindow.
  uintptr_t mainWindow = 0;
  bool mainWindowVisible = true;
  struct PostedMessage {
    uintptr_t window;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
  };
  // Posted messages wait here until the host's message loop delivers them.
  std::vector<PostedMessage> TakePostedMessages();
  struct MessageBoxShown {
    std::string caption, text;
    uint32_t flags;
  };
  std::vector<MessageBoxShown>& MessageBoxes() { return messageBoxes_; }
  std::vector<std::string>& OpenedPages() { return openedPages_; }
  struct UrlOpened {
    std::string agent;
    uint32_t accessType;
    std::string url;
    uint32_t flags;
    bool operator==(const UrlOpened&) const = default;
  };
  // Every OpenUrl so far, in order (any thread).
  std::vector<UrlOpened> UrlsOpened();

  // The simulated host's own window procedure, and its window creation.
  std::function<intptr_t(uintptr_t, uint32_t, uintptr_t, intptr_t)> hostWindowProcedure;
  std::function<uintptr_t(const char* className, int width, int height, uintptr_t parent)>
      createWindow;

 private:
  uint32_t ProtectionAt(uint32_t address);

  std::atomic<uint64_t> millis_{0};
  std::atomic<int64_t> calendarBaseMillis_{1700000000LL * 1000};
  bool performanceCounter_ = true;
  bool sse2_ = true;
  uint32_t highestLeaf_ = 1;

  std::mutex lock_;
  std::vector<ProtectCall> protectCalls_;
  std::vector<std::pair<std::pair<uint32_t, uint32_t>, uint32_t>> protections_;  // newest last
  std::function<bool(uint32_t)> protectFails_;
  std::vector<std::string> debugOutput_;
  std::set<int> heldKeys_;
  platform::Cursor cursor_ = platform::Cursor::Arrow;
  std::map<uintptr_t, platform::WindowProcedure> procedures_;  // subclassed windows
  uintptr_t captured_ = 0;
  std::vector<std::pair<uint8_t, bool>> syntheticKeys_;
  std::vector<PostedMessage> posted_;
  std::vector<MessageBoxShown> messageBoxes_;
  std::vector<std::string> openedPages_;
  std::vector<UrlOpened> urlsOpened_;
  std::atomic<bool> exited_{false};
  uint32_t exitCode_ = 0;
};

}  // namespace sim
