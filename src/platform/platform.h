// The operating-system services the core needs, as one abstract interface.
//
// The core never includes <windows.h>: the DLL installs a Win32
// implementation (backends/win32), the simulator a POSIX one with a virtual
// clock and fault switches (backends/posix, sim/). Every function may be
// called from the host's main thread; those marked "any thread" may also be
// called from workers.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

// Memory protection values, as the Win32 constants.
inline constexpr uint32_t kPageReadWrite = 0x04;
inline constexpr uint32_t kPageExecuteRead = 0x20;
inline constexpr uint32_t kPageExecuteReadWrite = 0x40;

struct CpuidResult {
  uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
};

// A calendar date and time of day, as the C library's broken-down time.
struct CalendarTime {
  int32_t year = 0;    // e.g. 2026
  int32_t month = 0;   // 1..12
  int32_t day = 0;     // 1..31
  int32_t hour = 0;    // 0..23
  int32_t minute = 0;  // 0..59
  int32_t second = 0;  // 0..60
};

struct WallClock {
  uint64_t seconds = 0;       // seconds since 1970-01-01 UTC
  uint32_t milliseconds = 0;  // 0..999
};

// A read-only view of a whole file. Empty (data == nullptr) when the mapping
// failed. The view stays valid until UnmapFile.
struct MappedFile {
  const uint8_t* data = nullptr;
  uint64_t size = 0;
  uintptr_t handle = 0;  // backend bookkeeping
};

// A window procedure of the library: (window, message, wParam, lParam).
using WindowProcedure = intptr_t (*)(uintptr_t window, uint32_t message, uintptr_t wParam,
                                     intptr_t lParam);

// A file opened for binary writing (created, or truncated when it existed).
// Writes go straight to the file, unbuffered; the destructor closes it.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  // Appends `size` bytes; false when fewer than all of them were written.
  virtual bool Write(const void* data, uint32_t size) = 0;
};

// WinINet's InternetOpenA access types.
inline constexpr uint32_t kInternetOpenPreconfigured = 0;  // the system's proxy settings
inline constexpr uint32_t kInternetOpenDirect = 1;         // no proxy

// The answer to one URL opened with OpenUrl: a WinINet session and the
// request opened in it. The destructor closes the request, then the session.
// Used by one thread at a time.
class HttpResponse {
 public:
  virtual ~HttpResponse() = default;
  // The HTTP status code (HttpQueryInfoA, HTTP_QUERY_STATUS_CODE as a
  // number); false when it cannot be had.
  virtual bool StatusCode(uint32_t* status) = 0;
  // The Content-Length header as a number (HttpQueryInfoA with 0x20000005);
  // false when the server sent none.
  virtual bool ContentLength(uint32_t* length) = 0;
  // InternetReadFile: up to `size` bytes of the body into `buffer`, their
  // count in *read. False when the read failed (the connection broke before
  // the body was complete); true with *read == 0 at the end of the body.
  virtual bool Read(void* buffer, uint32_t size, uint32_t* read) = 0;
};

// A file opened for binary reading; the destructor closes it.
class ReadableFile {
 public:
  virtual ~ReadableFile() = default;
  // Up to `size` bytes into `buffer`, their count in *read (0 at the end of
  // the file); false when the read failed.
  virtual bool Read(void* buffer, uint32_t size, uint32_t* read) = 0;
};

// Which step of OpenUrl failed, for callers that tell the user.
enum class UrlOpenFailure : uint8_t {
  None,
  Session,  // InternetOpenA
  Url,      // InternetOpenUrlA: no connection, no answer
};

// Mouse cursor shapes the toolkit sets.
enum class Cursor : uint8_t { Arrow, SizeNorthSouth };

class Platform {
 public:
  virtual ~Platform() = default;

  // Changes the protection of [address, address + size) and stores the old
  // protection in *oldProtection. Returns false when the change failed.
  virtual bool VirtualProtect(uint32_t address, uint32_t size, uint32_t newProtection,
                              uint32_t* oldProtection) = 0;

  // CPUID of the processor the host runs on (any thread).
  virtual CpuidResult Cpuid(uint32_t leaf) = 0;

  // Starts a detached thread that runs `body` once and ends with its result
  // as the exit code (any thread). The thread must not be waited for: the
  // start-up sequence runs under the loader lock. False when no thread could
  // be started: `body` then never runs, and the caller must finish its work
  // itself.
  virtual bool StartThread(std::function<uint32_t()> body) = 0;
  virtual void Sleep(uint32_t milliseconds) = 0;  // any thread

  // High-resolution counter; both return false when unavailable.
  virtual bool QueryPerformanceFrequency(int64_t* frequency) = 0;
  virtual bool QueryPerformanceCounter(int64_t* counter) = 0;
  virtual WallClock Now() = 0;  // any thread
  // The local date and time of `seconds` since 1970-01-01 UTC; false when
  // the conversion fails (any thread).
  virtual bool LocalTime(uint64_t seconds, CalendarTime* out) = 0;

  // Base address of the host's main module (GetModuleHandleA(NULL)).
  virtual uint32_t HostModuleBase() = 0;

  // A line for an attached debugger (OutputDebugStringA).
  virtual void DebugOutput(const std::string& text) = 0;

  // Read-only mapping of a whole file; see MappedFile.
  virtual MappedFile MapFile(const std::string& path) = 0;
  virtual void UnmapFile(MappedFile& file) = 0;

  // Key state of a virtual key as GetKeyState reports it (bit 0x8000: down).
  virtual int16_t KeyState(int virtualKey) = 0;

  // SendMessageA to a window of the host.
  virtual intptr_t SendWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                                     intptr_t lParam) = 0;

  // The mouse cursor shape (SetCursor with a standard cursor).
  virtual void SetCursor(Cursor cursor) = 0;

  // The clipboard's plain text (CF_TEXT). Reading fails when the clipboard
  // cannot be opened or holds no text; writing replaces its content.
  virtual bool GetClipboardText(std::string* text) = 0;
  virtual bool SetClipboardText(const std::string& text) = 0;

  // ---- windows and input --------------------------------------------------------
  // Replaces the window's procedure (SetWindowLongW when `unicode`, else
  // SetWindowLongA, GWL_WNDPROC) and returns the previous one, to be called
  // with CallWindowProcedure.
  virtual uintptr_t SubclassWindow(uintptr_t window, WindowProcedure procedure, bool unicode) = 0;
  // CallWindowProcW when `unicode`, else CallWindowProcA.
  virtual intptr_t CallWindowProcedure(uintptr_t previous, uintptr_t window, uint32_t message,
                                       uintptr_t wParam, intptr_t lParam, bool unicode) = 0;
  virtual bool IsWindowUnicode(uintptr_t window) = 0;
  virtual void SetCapture(uintptr_t window) = 0;
  virtual void ReleaseCapture() = 0;
  // The screen position of a client point (ClientToScreen).
  virtual void ClientToScreen(uintptr_t window, int32_t* x, int32_t* y) = 0;
  // GetAsyncKeyState: negative while the key is down.
  virtual int16_t AsyncKeyState(int virtualKey) = 0;
  // keybd_event: a synthetic key press (`up` false) or release.
  virtual void KeybdEvent(uint8_t virtualKey, bool up) = 0;
  // Ends the process (ExitProcess). Does not return in the DLL; the
  // simulator records the code and stops running the host.
  virtual void ExitProcess(uint32_t code) = 0;

  // The process's main window: the first top-level window of this process
  // (EnumWindows order) that has no owner and is visible; 0 when none is.
  virtual uintptr_t FindProcessMainWindow() = 0;
  // PostMessageA: queued for the window, delivered by the host's message loop.
  virtual void PostWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                                 intptr_t lParam) = 0;
  // MessageBoxA without an owner; `text` and `caption` in the ANSI code page,
  // `flags` the MB_ values. Returns when the user closed it.
  virtual void ShowMessageBox(const std::string& text, const std::string& caption,
                          uint32_t flags) = 0;
  // ShellExecuteA with the "open" verb: a web page in the user's browser.
  virtual void ShellOpen(const std::string& target) = 0;
  // The same with the desktop window (GetDesktopWindow) as the owner: a
  // program started anew, which outlives this process.
  virtual void ShellOpenFromDesktop(const std::string& target) = 0;

  // ---- HTTP and files (any thread) -----------------------------------------------
  // InternetAttemptConnect(0): whether the machine may go online.
  virtual bool AttemptConnect() = 0;
  // InternetOpenA(agent, accessType, no proxy, no bypass list, 0), then
  // InternetOpenUrlA(session, url, no headers, flags, 0). Null when either
  // fails (a refused connection included), with the step that failed in
  // *failure when it is given. Redirects are followed.
  virtual std::unique_ptr<HttpResponse> OpenUrl(const std::string& agent, uint32_t accessType,
                                                const std::string& url, uint32_t flags,
                                                UrlOpenFailure* failure = nullptr) = 0;
  // Opens the existing file at `path` for binary reading (others may read,
  // write or rename it meanwhile); null when it cannot be opened.
  virtual std::unique_ptr<ReadableFile> OpenBinaryFile(const std::string& path) = 0;
  // Creates or truncates `path` for binary writing; null when it cannot.
  virtual std::unique_ptr<WritableFile> CreateBinaryFile(const std::string& path) = 0;
  // The size of the file at `path` from its attributes; false when they
  // cannot be read (no such file). A folder reads as size 0.
  virtual bool FileSize(const std::string& path, uint64_t* size) = 0;
  // Deletes the file at `path`; false when it could not be deleted.
  virtual bool RemoveFile(const std::string& path) = 0;
  // Moves the file `from` over `to` in one step, replacing what was there;
  // false when it could not (`to` then is as it was).
  virtual bool MoveIntoPlace(const std::string& from, const std::string& to) = 0;
  // The whole content of the file at `path`, read in binary; false when it
  // cannot be opened or read (no such file). *content is left as it was then.
  virtual bool ReadWholeFile(const std::string& path, std::string* content) = 0;
  // Replaces the file at `path` with `content`, byte for byte: the bytes go
  // to a new temporary file in the same folder, which is then renamed over
  // `path`, so the file holds either its old or its new content even when the
  // process dies meanwhile. False when any step failed; the old file is then
  // untouched and no temporary file is left behind.
  virtual bool WriteWholeFile(const std::string& path, const std::string& content) = 0;
  // Creates a new, empty file in the folder of `path`, named as no other
  // file there (GetTempFileNameA with the prefix "qrl"), for content that is
  // then renamed over `path`: the rename stays within one volume, and two
  // writers never share the file. Its path, or "" when none was created.
  virtual std::string CreateTemporaryFileBeside(const std::string& path) = 0;
  // Creates the folder at `path` (its parent must exist); false when it
  // could not be created, also when it exists already.
  virtual bool CreateFolder(const std::string& path) = 0;

  // Opens the existing file at `path` for reading and writing (others may
  // read it meanwhile), flushes it to disk (FlushFileBuffers) and closes
  // it; false when it cannot be opened.
  virtual bool FlushFileToDisk(const std::string& path) = 0;
  // GetEnvironmentVariableA: the variable's value; false when it is not set.
  virtual bool EnvironmentVariable(const std::string& name, std::string* value) = 0;

  // ---- custom cursors ------------------------------------------------------------
  // CreateCursor for this module: a monochrome `width` x `height` cursor
  // with its hot spot, from its AND and XOR bit planes (rows of width / 8
  // bytes, top row first); 0 when it cannot be made.
  virtual uintptr_t CreateMonochromeCursor(int32_t hotX, int32_t hotY, int32_t width,
                                           int32_t height, const uint8_t* andPlane,
                                           const uint8_t* xorPlane) = 0;
  // A copy of `cursor` (CopyIcon) replaces the system's normal arrow
  // (SetSystemCursor with OCR_NORMAL, 0x7F00), which then owns the copy;
  // false when either step failed.
  virtual bool ReplaceSystemArrow(uintptr_t cursor) = 0;
  // SystemParametersInfoA(SPI_SETCURSORS): every system cursor back as the
  // user has set them.
  virtual void RestoreSystemCursors() = 0;
  virtual void DestroyCursor(uintptr_t cursor) = 0;
  // GetActiveWindow: the calling thread's active window, or 0.
  virtual uintptr_t ActiveWindow() = 0;

  // CreateWindowExA with the host's twelve arguments; 0 on failure.
  virtual uintptr_t CreateWindowExA(uint32_t exStyle, const char* className,
                                    const char* windowName, uint32_t style, int x, int y,
                                    int width, int height, uintptr_t parent, uintptr_t menu,
                                    uintptr_t instance, void* param) = 0;
};

// The platform installed by the backend before the entry point runs.
// REQUIRES: Install was called before any other core code runs.
void Install(Platform* platform);
Platform& Get();

}  // namespace platform
