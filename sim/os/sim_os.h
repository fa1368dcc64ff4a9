// The simulated machine's operating system as the host sees it: a virtual
// clock that moves only when a scenario says so, recorded protection
// changes, an injectable processor, collected debugger output, held keys,
// the windows with their procedures, the clipboard, message boxes, opened
// pages, the worker threads that are running, and the faults its disk is
// told to show (file_faults.h, applied by file_service.h).
//
// It belongs to the host, not to the library: the simulator's platform
// backend (sim/linked) answers the core's platform calls from it, and the
// Win32 layer of quorlan-host32 (sim/dll_host) answers the DLL's imports
// from it, so both hosts observe the same machine.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sim/os/file_faults.h"

namespace sim {

struct ProtectCall {
  uint32_t address;
  uint32_t size;
  uint32_t newProtection;
  uint32_t oldProtection;  // what the call reported
  bool succeeded;
};

struct CpuidAnswer {
  uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
};

// Broken-down calendar time (UTC, the simulated machine's local time).
struct CalendarParts {
  int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  int32_t weekday = 0, yearDay = 0;  // 0 = Sunday; 0 = 1 January
};

enum class CursorShape : uint8_t { Arrow, SizeNorthSouth };
// "arrow", "size-ns": as scenarios and the record name the shapes.
const char* CursorName(CursorShape shape);

class Os {
 public:
  // ---- window procedures --------------------------------------------------------
  // A window procedure is a value the library handed over (a core function
  // or a DLL address) together with the function that knows how to call
  // it. kHostProcedure stands for the host's own procedure.
  static constexpr uintptr_t kHostProcedure = 1;
  using ProcedureCaller = intptr_t (*)(uintptr_t procedure, uintptr_t window, uint32_t message,
                                       uintptr_t wParam, intptr_t lParam);

  // ---- memory protection (VirtualProtect) ------------------------------------------
  // Host code below 0x5B0000 is executable and read-only; the data after it
  // is writable, as in the host image. Returns false (and reports nothing)
  // when the failure switch says so for `address`.
  bool VirtualProtect(uint32_t address, uint32_t size, uint32_t newProtection,
                      uint32_t* oldProtection);
  void SetProtectFailure(std::function<bool(uint32_t)> fails);
  std::vector<ProtectCall> ProtectCalls();
  void ClearProtectCalls();

  // ---- processor ------------------------------------------------------------------------
  CpuidAnswer Cpuid(uint32_t leaf) const;
  void SetSse2(bool present) { sse2_ = present; }
  void SetHighestCpuidLeaf(uint32_t leaf) { highestLeaf_ = leaf; }

  // ---- time (any thread) ------------------------------------------------------------------
  // The library's clock: milliseconds since the scenario began.
  void AdvanceClock(uint64_t milliseconds) { millis_ += milliseconds; }
  uint64_t ClockNow() const { return millis_; }
  // QueryPerformanceFrequency / QueryPerformanceCounter: 1 MHz on the
  // virtual clock; both false when switched off.
  bool PerformanceFrequency(int64_t* frequency) const;
  bool PerformanceCounter(int64_t* counter) const;
  void SetPerformanceCounterAvailable(bool available) { performanceCounter_ = available; }
  // Calendar time: starts at 1700000000 and moves with the clock.
  void SetCalendar(int64_t secondsSince1970);
  // Milliseconds since 1970-01-01 UTC.
  int64_t CalendarMillis() const;
  // `seconds` since 1970 as UTC parts; false when out of range.
  static bool UtcParts(int64_t seconds, CalendarParts* out);

  // ---- debugger output ---------------------------------------------------------------------
  void DebugOutput(const std::string& text);
  std::vector<std::string> TakeDebugOutput();

  // ---- keys, cursor, capture -------------------------------------------------------------
  int16_t KeyState(int virtualKey);  // bit 0x8000 while held
  void HoldKey(int virtualKey, bool held);
  void KeybdEvent(uint8_t virtualKey, bool up) { syntheticKeys_.push_back({virtualKey, up}); }
  // Synthetic key presses: (virtual key, up) in order.
  std::vector<std::pair<uint8_t, bool>>& SyntheticKeys() { return syntheticKeys_; }
  void SetCursor(CursorShape cursor) { cursor_ = cursor; }
  CursorShape CurrentCursor() const { return cursor_; }
  // Custom cursors (CreateCursor, CopyIcon, DestroyCursor) and the system's
  // normal arrow, which SetSystemCursor may replace by one of them until
  // SystemParametersInfo(SPI_SETCURSORS) restores it. A custom cursor is
  // known by its picture: hot spot, size and a checksum of its bit planes.
  struct CustomCursor {
    int32_t hotX = 0, hotY = 0, width = 0, height = 0;
    uint32_t checksum = 0;
    bool operator==(const CustomCursor&) const = default;
  };
  uint32_t CreateCustomCursor(int32_t hotX, int32_t hotY, int32_t width, int32_t height,
                              const uint8_t* andPlane, const uint8_t* xorPlane);
  uint32_t CopyCustomCursor(uint32_t cursor);  // 0 when it is not one
  bool DestroyCustomCursor(uint32_t cursor);
  // The system takes the cursor over (it is no longer the library's).
  bool ReplaceSystemArrow(uint32_t cursor);
  void RestoreSystemCursors() { systemArrow_.reset(); }
  bool IsCustomCursor(uint32_t cursor) const { return customCursors_.count(cursor) != 0; }
  size_t CustomCursorCount() const { return customCursors_.size(); }
  // What the player sees: the shape set last, the arrow being the custom
  // picture while one replaces the system's arrow. "arrow", "size-ns" or
  // "custom WxH hot X,Y checksum HEX", as the record and expect-cursor name it.
  std::string CursorSeen() const;
  void SetCapture(uintptr_t window) { captured_ = window; }
  void ReleaseCapture() { captured_ = 0; }
  uintptr_t CapturedWindow() const { return captured_; }
  // Where the client area's origin lies on the screen.
  int32_t clientOriginX = 8, clientOriginY = 31;

  // ---- windows ------------------------------------------------------------------------------
  // SendMessage: through the window's current procedure (the host's own
  // when nothing subclassed it). Nothing is delivered after the process ended.
  intptr_t SendWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                             intptr_t lParam);
  // Installs `procedure` (called through `caller`) and returns the previous
  // procedure value: kHostProcedure for the host's own.
  uintptr_t SubclassWindow(uintptr_t window, uintptr_t procedure, ProcedureCaller caller);
  // CallWindowProc with a value SubclassWindow returned.
  intptr_t CallWindowProcedure(uintptr_t previous, uintptr_t window, uint32_t message,
                               uintptr_t wParam, intptr_t lParam);
  // Destroys a window as Windows does: WM_DESTROY, then WM_NCDESTROY, the
  // last message it gets, both through its current procedure; its subclass
  // goes with it.
  void DestroyWindow(uintptr_t window);
  // CreateWindowExA: asks `createWindow` (the host), 0 when none is set.
  uintptr_t CreateWindow(const char* className, int width, int height, uintptr_t parent);
  bool unicodeWindows = false;
  // The host's main window (0 before it exists) and whether it is visible.
  uintptr_t mainWindow = 0;
  bool mainWindowVisible = true;
  uintptr_t FindProcessMainWindow() const { return mainWindowVisible ? mainWindow : 0; }

  struct PostedMessage {
    uintptr_t window;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
  };
  // PostMessage (any thread): waits until the host's message loop delivers it.
  void PostWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam, intptr_t lParam);
  std::vector<PostedMessage> TakePostedMessages();

  // The simulated host's own window procedure, and its window creation.
  std::function<intptr_t(uintptr_t, uint32_t, uintptr_t, intptr_t)> hostWindowProcedure;
  std::function<uintptr_t(const char* className, int width, int height, uintptr_t parent)>
      createWindow;

  // ---- environment ----------------------------------------------------------------------
  // GetEnvironmentVariable's answers (the simulator sets APPDATA).
  std::map<std::string, std::string> environment;

  // ---- the clipboard ---------------------------------------------------------------------------
  // Its plain text as the scenario sets and checks it; `clipboardFailing`
  // makes every clipboard call fail as if it could not be opened.
  bool GetClipboardText(std::string* text);
  bool SetClipboardText(const std::string& text);
  std::string clipboard;
  bool clipboardHasText = false;
  bool clipboardFailing = false;

  // ---- message boxes, pages, web addresses (any thread) -----------------------------------
  struct MessageBoxShown {
    std::string caption, text;
    uint32_t flags;
  };
  void ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags);
  std::vector<MessageBoxShown>& MessageBoxes() { return messageBoxes_; }
  // A file below one of `folderNames` is recorded as "PREFIX:PATH".
  void ShellOpen(const std::string& target);
  std::vector<std::string>& OpenedPages() { return openedPages_; }
  // (prefix, folder): the scenario's folders, as "data" and its path.
  std::vector<std::pair<std::string, std::string>> folderNames;
  // A POSIX path as scenarios name it: "PREFIX:PATH" below one of
  // `folderNames`, else the path itself.
  std::string ScenarioName(const std::string& posixPath) const;

  // ---- the disk ---------------------------------------------------------------------------
  // The fault armed by the scenario (any thread).
  FileFaults fileFaults;
  // The next number of a temporary file (GetTempFileNameA): 1, 2, ... up to
  // 0xFFFF, then 1 again. Counted per machine, so both hosts name the
  // temporary files of a scenario alike (any thread).
  uint32_t NextTemporaryNumber();
  struct UrlOpened {
    std::string agent;
    uint32_t accessType;
    std::string url;
    uint32_t flags;
    bool operator==(const UrlOpened&) const = default;
  };
  // Records the address (as routed, see RouteSiteTo); answers whether it
  // may be reached: only this machine's own addresses
  // ("http://127.0.0.1...", "http://localhost...").
  bool OpenUrl(const UrlOpened& request);
  // The simulated machine's name service: from now on the operator's
  // addresses as a library build names them (`site` and `community`, the
  // build's QUORLAN_SITE_URL and QUORLAN_COMMUNITY_URL) lead to the
  // scenario's server `base`, as the simulator's own build of the core is
  // told directly. The pages opened and the addresses recorded are the
  // routed ones.
  void RouteSiteTo(const std::string& base, const std::string& site,
                   const std::string& community);
  std::string Routed(const std::string& url) const;
  std::vector<UrlOpened> UrlsOpened();
  // Forgets the addresses recorded so far (a long-lived host's records
  // would only grow).
  void ClearUrlsOpened();

  // ---- process ------------------------------------------------------------------------------------
  // ExitProcess: the code is kept and the host stops running.
  void ExitProcess(uint32_t code);
  bool Exited() const { return exited_; }
  uint32_t ExitCode() const { return exitCode_; }

  // While set, the machine starts no thread (CreateThread fails).
  std::atomic<bool> threadStartsFail{false};
  // Worker threads the library started that have not ended (any thread).
  void ThreadStarted() { ++running_; }
  void ThreadEnded() { --running_; }
  int RunningThreads() const { return running_.load(); }

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
  CursorShape cursor_ = CursorShape::Arrow;
  std::map<uint32_t, CustomCursor> customCursors_;
  uint32_t nextCustomCursor_ = 0x00020001;
  std::optional<CustomCursor> systemArrow_;
  struct Procedure {
    uintptr_t value;
    ProcedureCaller caller;
  };
  std::map<uintptr_t, Procedure> procedures_;  // subclassed windows
  std::map<uintptr_t, Procedure> previous_;    // values handed out, by value
  uintptr_t captured_ = 0;
  std::vector<std::pair<uint8_t, bool>> syntheticKeys_;
  std::vector<PostedMessage> posted_;
  std::vector<MessageBoxShown> messageBoxes_;
  std::vector<std::string> openedPages_;
  std::vector<UrlOpened> urlsOpened_;
  std::vector<std::pair<std::string, std::string>> routes_;  // (prefix, replacement)
  std::atomic<bool> exited_{false};
  uint32_t exitCode_ = 0;
  std::atomic<int> running_{0};
  std::atomic<uint32_t> temporaryCount_{0};
};

}  // namespace sim
