// USER32, SHELL32 and WININET of the Win32 layer, called as the DLL's
// Windows backend (backends/win32) calls them, against what the simulator's
// platform answers the core for the same operation (sim/linked).
#include <atomic>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "httplib.h"
#include "sim/dll_host/host_step.h"
#include "sim/dll_host/win32/tests/layer_test.h"
#include "sim/dll_host/win32/tests/user32_test_machine.h"
#include "sim/dll_host/win32/user32_exports.h"
#include "sim/dll_host/win32/wininet_exports.h"

using namespace sim;
using namespace sim::dll_host;
using namespace sim::dll_host::win32;
using sim::dll_host::test::FreshMachine;
using sim::dll_host::test::ScenarioFailed;

#define TEST_PROC __attribute__((stdcall, force_align_arg_pointer))

namespace {

constexpr uint32_t kWmKeyDown = 0x0100;
constexpr Hwnd kMainWindow = 0x00010010;

// The message of the scenario failure `call` ends in; "" when none.
std::string FailureOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const ScenarioFailed& e) {
    return e.what();
  }
  return "";
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

template <class Function>
uint32_t Address(Function function) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(function));
}

// ---- the window procedures of a subclass chain -------------------------------------

std::vector<std::string> calls;
uint32_t previousOfA = 0, previousOfB = 0;

Lresult TEST_PROC ProcedureA(Hwnd window, uint32_t message, uint32_t wParam, int32_t lParam) {
  calls.push_back("A");
  return CallWindowProcA(previousOfA, window, message, wParam, lParam) + 1;
}

Lresult TEST_PROC ProcedureB(Hwnd window, uint32_t message, uint32_t wParam, int32_t lParam) {
  calls.push_back("B");
  return CallWindowProcW(previousOfB, window, message, wParam, lParam) + 10;
}

void InstallHostProcedure(Os& os) {
  os.hostWindowProcedure = [](uintptr_t window, uint32_t message, uintptr_t wParam,
                              intptr_t lParam) -> intptr_t {
    calls.push_back("host " + std::to_string(window) + " " + std::to_string(message) + " " +
                    std::to_string(wParam) + " " + std::to_string(lParam));
    return 7;
  };
}

}  // namespace

// Broken window procedures, each breaking one rule of the stdcall WNDPROC.
extern "C" {
Lresult KeepsItsArguments(Hwnd, uint32_t, uint32_t, int32_t);
Lresult ClobbersEbx(Hwnd, uint32_t, uint32_t, int32_t);
Lresult LeavesDirectionSet(Hwnd, uint32_t, uint32_t, int32_t);
}
asm(R"(
.intel_syntax noprefix
.text
KeepsItsArguments:
  mov eax, 1
  ret
ClobbersEbx:
  xor ebx, ebx
  mov eax, 1
  ret 16
LeavesDirectionSet:
  std
  mov eax, 1
  ret 16
.att_syntax prefix
)");

TEST_CASE("a subclass chain runs the newest procedure first and the host's own last") {
  Os& os = FreshMachine();
  InstallHostProcedure(os);
  calls.clear();
  previousOfA = SetWindowLongA(kMainWindow, -4, static_cast<int32_t>(Address(&ProcedureA)));
  previousOfB = SetWindowLongW(kMainWindow, -4, static_cast<int32_t>(Address(&ProcedureB)));
  CHECK_EQ(previousOfA, Os::kHostProcedure);
  CHECK_EQ(previousOfB, Address(&ProcedureA));
  const Lresult result = SendMessageA(kMainWindow, kWmKeyDown, 5, 6);
  CHECK_EQ(result, 7 + 1 + 10);
  const std::vector<std::string> expected = {"B", "A", "host 65552 256 5 6"};
  CHECK(calls == expected);
  // CallWindowProc with the value SetWindowLong returned skips the newer ones.
  calls.clear();
  CHECK_EQ(CallWindowProcA(previousOfB, kMainWindow, kWmKeyDown, 1, 2), 7 + 1);
  CHECK_EQ(calls.size(), 2u);
}

TEST_CASE("a window procedure that breaks the stdcall contract fails the scenario by name") {
  struct Case {
    Lresult (*procedure)(Hwnd, uint32_t, uint32_t, int32_t);
    const char* broken;
  };
  const Case cases[] = {
      {&KeepsItsArguments, "ESP off by -16"},
      {&ClobbersEbx, "EBX"},
      {&LeavesDirectionSet, "direction flag set"},
  };
  Os& os = FreshMachine();
  InstallHostProcedure(os);
  Hwnd window = 0x20000;
  for (const Case& c : cases) {
    window += 0x10;
    SetWindowLongA(window, -4, static_cast<int32_t>(Address(c.procedure)));
    const std::string failure = FailureOf([&] { SendMessageA(window, kWmKeyDown, 0, 0); });
    CHECK(Contains(failure, "window procedure " + HexText(Address(c.procedure))));
    CHECK(Contains(failure, c.broken));
  }
}

namespace {
Hwnd brokenWindow = 0;
Lresult TEST_PROC SendsToBrokenWindow(Hwnd window, uint32_t message, uint32_t wParam,
                                      int32_t lParam) {
  return SendMessageA(brokenWindow, message, wParam, lParam);
}
}  // namespace

// SendMessageA runs inside the DLL's frames; the broken procedure's failure
// must leave them through the enclosing host step, never unwind into them.
TEST_CASE("a broken procedure reached by a message sent from a procedure fails the outer step") {
  Os& os = FreshMachine();
  InstallHostProcedure(os);
  brokenWindow = 0x30010;
  SetWindowLongA(brokenWindow, -4, static_cast<int32_t>(Address(&KeepsItsArguments)));
  SetWindowLongA(0x30020, -4, static_cast<int32_t>(Address(&SendsToBrokenWindow)));
  const std::string failure = FailureOf([&] { SendMessageA(0x30020, kWmKeyDown, 0, 0); });
  CHECK(Contains(failure, "window procedure " + HexText(Address(&KeepsItsArguments))));
  CHECK(Contains(failure, "ESP off by -16"));
  CHECK(!InsideHostStep());
}

TEST_CASE("posted messages, Unicode windows and created windows are the machine's") {
  Os& os = FreshMachine();
  CHECK_EQ(PostMessageA(kMainWindow, 0x0112, 0xF020, 0), kTrue);
  const auto posted = os.TakePostedMessages();
  CHECK(posted.size() == 1 && posted[0].window == kMainWindow && posted[0].message == 0x0112 &&
        posted[0].wParam == 0xF020);
  CHECK_EQ(IsWindowUnicode(kMainWindow), kFalse);
  os.unicodeWindows = true;
  CHECK_EQ(IsWindowUnicode(kMainWindow), kTrue);
  CHECK_EQ(CreateWindowExA(0, "Child", "", 0, 0, 0, 10, 20, kMainWindow, 0, 0, nullptr), 0u);
  std::string seen;
  os.createWindow = [&](const char* className, int width, int height, uintptr_t parent) {
    seen = std::string(className) + " " + std::to_string(width) + "x" + std::to_string(height) +
           " " + std::to_string(parent);
    return uintptr_t{0x4444};
  };
  CHECK_EQ(CreateWindowExA(0, "Child", "", 0, 1, 2, 10, 20, kMainWindow, 0, 0, nullptr), 0x4444u);
  CHECK_EQ(seen, std::string("Child 10x20 65552"));
}

// ---- the main window search (as backends/win32/win32_shell.cpp runs it) -------------

namespace {
struct Search {
  Dword process;
  Hwnd found;
  int visited;
};
Bool TEST_PROC TakeMainWindow(Hwnd window, int32_t data) {
  auto* search = reinterpret_cast<Search*>(data);
  ++search->visited;
  Dword owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process) return kTrue;
  if (GetWindow(window, 4) != 0 || !IsWindowVisible(window)) return kTrue;
  search->found = window;
  return kFalse;
}
}  // namespace

TEST_CASE("the DLL's main window search finds exactly the machine's main window") {
  struct Case {
    uintptr_t mainWindow;
    bool visible;
    Bool enumResult;
    int visited;
  };
  const Case cases[] = {
      {0, true, kTrue, 0}, {kMainWindow, true, kFalse, 1}, {kMainWindow, false, kTrue, 1}};
  for (const Case& c : cases) {
    Os& os = FreshMachine();
    os.mainWindow = c.mainWindow;
    os.mainWindowVisible = c.visible;
    Search search{0x1000, 0, 0};
    CHECK_EQ(EnumWindows(&TakeMainWindow, reinterpret_cast<int32_t>(&search)), c.enumResult);
    CHECK_EQ(search.visited, c.visited);
    CHECK_EQ(static_cast<uintptr_t>(search.found), os.FindProcessMainWindow());
    CHECK_EQ(static_cast<uintptr_t>(GetActiveWindow()), os.FindProcessMainWindow());
  }
}

// ---- the clipboard (as backends/win32/win32_clipboard.cpp uses it) -------------------

namespace {
using LockFunction = void*(K32_API*)(Handle);
using UnlockFunction = Bool(K32_API*)(Handle);
using AllocFunction = Handle(K32_API*)(Dword, uint32_t);

bool DllGetClipboardText(std::string* text) {
  if (!IsClipboardFormatAvailable(1)) return false;
  if (!OpenClipboard(0)) return false;
  bool ok = false;
  if (const Handle data = GetClipboardData(1); data != 0) {
    const auto* chars =
        static_cast<const char*>(Kernel32Function<LockFunction>("GlobalLock")(data));
    if (chars != nullptr) {
      text->assign(chars);
      Kernel32Function<UnlockFunction>("GlobalUnlock")(data);
      ok = true;
    }
  }
  CloseClipboard();
  return ok;
}

bool DllSetClipboardText(const std::string& text) {
  if (!OpenClipboard(GetActiveWindow())) return false;
  bool ok = false;
  if (EmptyClipboard()) {
    const Handle block = Kernel32Function<AllocFunction>("GlobalAlloc")(2, text.size() + 1);
    std::memcpy(Kernel32Function<LockFunction>("GlobalLock")(block), text.c_str(), text.size() + 1);
    Kernel32Function<UnlockFunction>("GlobalUnlock")(block);
    ok = SetClipboardData(1, block) != 0;
    if (!ok) Kernel32Function<Handle(K32_API*)(Handle)>("GlobalFree")(block);
  }
  CloseClipboard();
  return ok;
}
}  // namespace

TEST_CASE("the DLL's clipboard text ends as the machine's clipboard calls end") {
  struct Case {
    bool hasText;
    bool failing;
  };
  const Case cases[] = {{true, false}, {false, false}, {true, true}, {false, true}};
  for (const Case& c : cases) {
    Os& dll = FreshMachine();
    Os native;
    for (Os* os : {&dll, &native}) {
      os->clipboard = "before";
      os->clipboardHasText = c.hasText;
      os->clipboardFailing = c.failing;
    }
    std::string dllText = "-", nativeText = "-";
    CHECK_EQ(DllGetClipboardText(&dllText), native.GetClipboardText(&nativeText));
    CHECK_EQ(dllText, nativeText);
    // Read twice: the clipboard's block is handed out again, not leaked anew.
    CHECK_EQ(DllGetClipboardText(&dllText), native.GetClipboardText(&nativeText));
    CHECK_EQ(DllSetClipboardText("copied text"), native.SetClipboardText("copied text"));
    CHECK_EQ(dll.clipboard, native.clipboard);
    CHECK_EQ(dll.clipboardHasText, native.clipboardHasText);
    CHECK_EQ(DllGetClipboardText(&dllText), native.GetClipboardText(&nativeText));
    CHECK_EQ(dllText, nativeText);
  }
  CHECK_EQ(CloseClipboard(), kFalse);  // every session above was closed
}

// ---- keys, capture, cursor, message boxes, pages --------------------------------------

TEST_CASE("keys, capture, client origin and cursor shapes are the machine's") {
  Os& os = FreshMachine();
  os.HoldKey(0x10, true);
  CHECK_EQ(GetKeyState(0x10), static_cast<int16_t>(0x8000));
  CHECK(GetAsyncKeyState(0x10) < 0);
  CHECK_EQ(GetKeyState(0x11), 0);
  CHECK_EQ(GetAsyncKeyState(0x11), 0);
  keybd_event(0x41, 0, 0, 0);
  keybd_event(0x41, 0, 2, 0);
  const std::vector<std::pair<uint8_t, bool>> keys = {{0x41, false}, {0x41, true}};
  CHECK(os.SyntheticKeys() == keys);
  CHECK_EQ(SetCapture(kMainWindow), 0u);
  CHECK_EQ(os.CapturedWindow(), uintptr_t{kMainWindow});
  CHECK_EQ(ReleaseCapture(), kTrue);
  CHECK_EQ(os.CapturedWindow(), uintptr_t{0});
  Point point{100, 200};
  CHECK_EQ(ClientToScreen(kMainWindow, &point), kTrue);
  CHECK(point.x == 100 + os.clientOriginX && point.y == 200 + os.clientOriginY);
  const uint32_t arrow = LoadCursorA(0, reinterpret_cast<const char*>(32512));
  const uint32_t sizeNs = LoadCursorA(0, reinterpret_cast<const char*>(32645));
  CHECK(arrow != 0 && sizeNs != 0 && arrow != sizeNs);
  CHECK_EQ(SetCursor(sizeNs), arrow);
  CHECK(os.CurrentCursor() == CursorShape::SizeNorthSouth);
  CHECK_EQ(SetCursor(arrow), sizeNs);
  CHECK(os.CurrentCursor() == CursorShape::Arrow);
}

TEST_CASE("message boxes and opened pages are recorded as the machine records them") {
  Os& os = FreshMachine();
  CHECK_EQ(MessageBoxA(0, "No window", "Panel", 0x10), 1);
  CHECK(os.MessageBoxes().size() == 1 && os.MessageBoxes()[0].text == "No window" &&
        os.MessageBoxes()[0].caption == "Panel" && os.MessageBoxes()[0].flags == 0x10);
  os.RouteSiteTo("http://127.0.0.1:9", "http://site.example", "http://site.example/forum");
  CHECK(ShellExecuteA(0, "open", "http://site.example/?subtopic=x", nullptr, nullptr, 1) > 32);
  Os native;
  native.RouteSiteTo("http://127.0.0.1:9", "http://site.example", "http://site.example/forum");
  native.ShellOpen("http://site.example/?subtopic=x");
  CHECK(os.OpenedPages() == native.OpenedPages());
}

TEST_CASE("arguments the layer does not model fail the scenario as unimplemented") {
  FreshMachine().mainWindow = kMainWindow;
  Hinternet session = InternetOpenA("agent", 1, nullptr, nullptr, 0);
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"SetWindowLongA(index -16)", [] { SetWindowLongA(kMainWindow, -16, 0); }},
      {"SetWindowLongW(index -21)", [] { SetWindowLongW(kMainWindow, -21, 0); }},
      {"GetWindow (command 5)", [] { GetWindow(kMainWindow, 5); }},
      {"IsWindowVisible (window 0x99", [] { IsWindowVisible(0x99); }},
      {"keybd_event", [] { keybd_event(0x41, 0, 1, 0); }},
      {"LoadCursorA", [] { LoadCursorA(0, reinterpret_cast<const char*>(32514)); }},
      {"SetCursor (cursor 0x0)", [] { SetCursor(0); }},
      {"GetClipboardData (format 13)", [] { GetClipboardData(13); }},
      {"IsClipboardFormatAvailable (format 13)", [] { IsClipboardFormatAvailable(13); }},
      {"ShellExecuteA (operation edit", [] { ShellExecuteA(0, "edit", "x", nullptr, nullptr, 1); }},
      {"CreateWindowExA (class atom",
       [] {
         CreateWindowExA(0, reinterpret_cast<const char*>(0xC001), "", 0, 0, 0, 1, 1, 0, 0, 0,
                         nullptr);
       }},
      {"InternetOpenA (flags 0x10000000",
       [] { InternetOpenA("a", 1, nullptr, nullptr, 0x10000000); }},
      {"InternetOpenUrlA",
       [&] { InternetOpenUrlA(session, "http://127.0.0.1/", nullptr, 0, 0x00200000, 0); }},
      {"HttpQueryInfoA (info 0x13)",
       [] {
         Dword size = 4;
         char text[4];
         HttpQueryInfoA(0x1234, kHttpQueryStatusCode, text, &size, nullptr);
       }},
  };
  for (const auto& [name, call] : cases) {
    const std::string failure = FailureOf(call);
    if (!Contains(failure, std::string("unimplemented import ") + name)) {
      CHECK_EQ(failure, std::string("unimplemented import ") + name);
    }
  }
  InternetCloseHandle(session);
}

// ---- WININET against a local server --------------------------------------------------

namespace {

// A server on 127.0.0.1 for one case, stopped when it goes.
class LocalServer {
 public:
  LocalServer() {
    server_.Get("/text", [this](const httplib::Request& request, httplib::Response& response) {
      Seen(request);
      response.set_content("hello from the server", "text/plain");
    });
    server_.Get("/chunked", [this](const httplib::Request& request, httplib::Response& response) {
      Seen(request);
      response.set_chunked_content_provider("text/plain", [](size_t, httplib::DataSink& sink) {
        sink.write("part one,", 9);
        sink.write(" part two", 9);
        sink.done();
        return true;
      });
    });
    server_.Get("/moved", [this](const httplib::Request& request, httplib::Response& response) {
      Seen(request);
      response.set_redirect("/text");
    });
    server_.Get("/missing", [this](const httplib::Request& request, httplib::Response& response) {
      Seen(request);
      response.status = 404;
      response.set_content("nope", "text/plain");
    });
    // Announces 100 bytes and ends the connection after 10.
    server_.Get("/broken", [this](const httplib::Request& request, httplib::Response& response) {
      Seen(request);
      response.set_content_provider(100, "text/plain", [](size_t, size_t, httplib::DataSink& sink) {
        sink.write("0123456789", 10);
        return false;
      });
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::yield();
  }
  ~LocalServer() {
    server_.stop();
    thread_.join();
  }

  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }
  std::vector<std::string> Requests() {
    std::lock_guard hold(lock_);
    return requests_;
  }

 private:
  void Seen(const httplib::Request& request) {
    std::lock_guard hold(lock_);
    requests_.push_back(request.path + " " + request.get_header_value("User-Agent"));
  }

  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  std::mutex lock_;
  std::vector<std::string> requests_;
};

// What backends/win32/win32_internet.cpp makes of one address.
struct Fetched {
  bool opened = false;
  Dword openError = 0;
  bool hasStatus = false;
  uint32_t status = 0;
  bool hasLength = false;
  uint32_t length = 0;
  Dword lengthError = 0;
  std::string body;
  bool readAll = false;
};

Dword LastError() { return Kernel32Function<Dword(K32_API*)()>("GetLastError")(); }

bool QueryNumber(Hinternet request, Dword info, uint32_t* value) {
  Dword number = 0;
  Dword size = sizeof number;
  if (!HttpQueryInfoA(request, info, &number, &size, nullptr)) return false;
  *value = number;
  return true;
}

Fetched Fetch(const std::string& url, const std::string& agent = "TestAgent/2.0") {
  Fetched fetched;
  const Hinternet session = InternetOpenA(agent.c_str(), 1, nullptr, nullptr, 0);
  const Hinternet request = InternetOpenUrlA(session, url.c_str(), nullptr, 0, 0x84000000, 0);
  if (request == 0) {
    fetched.openError = LastError();
    InternetCloseHandle(session);
    return fetched;
  }
  fetched.opened = true;
  fetched.hasStatus =
      QueryNumber(request, kHttpQueryStatusCode | kHttpQueryFlagNumber, &fetched.status);
  fetched.hasLength =
      QueryNumber(request, kHttpQueryContentLength | kHttpQueryFlagNumber, &fetched.length);
  if (!fetched.hasLength) fetched.lengthError = LastError();
  char buffer[7];  // small, so a body takes several reads
  for (;;) {
    Dword read = 0;
    if (!InternetReadFile(request, buffer, sizeof buffer, &read)) break;
    if (read == 0) {
      fetched.readAll = true;
      break;
    }
    fetched.body.append(buffer, read);
  }
  CHECK_EQ(InternetCloseHandle(request), kTrue);
  CHECK_EQ(InternetCloseHandle(session), kTrue);
  return fetched;
}

}  // namespace

TEST_CASE("an HTTP GET on this machine answers status, length and body as WinINet does") {
  struct Case {
    const char* path;
    uint32_t status;
    bool hasLength;
    const char* body;
    bool readAll;
  };
  const Case cases[] = {
      {"/text", 200, true, "hello from the server", true},
      {"/chunked", 200, false, "part one, part two", true},  // no Content-Length
      {"/moved", 200, true, "hello from the server", true},  // the redirect followed
      {"/missing", 404, true, "nope", true},
      {"/broken", 200, true, "0123456789", false},  // the read after the last byte fails
  };
  LocalServer server;
  Os& os = FreshMachine();
  CHECK_EQ(InternetAttemptConnect(0), kErrorSuccess);
  for (const Case& c : cases) {
    const Fetched fetched = Fetch(server.Base() + c.path);
    CHECK(fetched.opened && fetched.hasStatus);
    CHECK_EQ(fetched.status, c.status);
    CHECK_EQ(fetched.hasLength, c.hasLength);
    if (c.hasLength)
      CHECK_EQ(fetched.length, static_cast<uint32_t>(std::strlen(c.body)) + (c.readAll ? 0u : 90u));
    if (!c.hasLength) CHECK_EQ(fetched.lengthError, kErrorHttpHeaderNotFound);
    CHECK_EQ(fetched.body, std::string(c.body));
    CHECK_EQ(fetched.readAll, c.readAll);
  }
  const auto requests = server.Requests();
  CHECK(requests.size() == 6 && requests[0] == "/text TestAgent/2.0" &&
        requests[3] == "/text TestAgent/2.0");
  const auto urls = os.UrlsOpened();
  CHECK(urls.size() == 5 &&
        urls[0] == (Os::UrlOpened{"TestAgent/2.0", 1, server.Base() + "/text", 0x84000000}));
}

TEST_CASE("an address elsewhere is refused like an unreachable host, and recorded") {
  LocalServer server;
  Os& os = FreshMachine();
  const Fetched elsewhere = Fetch("http://example.com/status");
  CHECK(!elsewhere.opened);
  CHECK_EQ(elsewhere.openError, kErrorInternetCannotConnect);
  const Fetched closedPort = Fetch("http://127.0.0.1:1/");
  CHECK(!closedPort.opened);
  CHECK_EQ(closedPort.openError, kErrorInternetCannotConnect);
  CHECK_EQ(os.UrlsOpened().size(), 2u);
  CHECK(server.Requests().empty());
  // The operator's address, routed to the scenario's server, is fetched there.
  os.RouteSiteTo(server.Base(), "http://site.example", "http://site.example/forum");
  const Fetched routed = Fetch("http://site.example/text");
  CHECK(routed.opened && routed.body == "hello from the server");
  const auto urls = os.UrlsOpened();  // a copy: the machine hands out its list by value
  CHECK_EQ(urls.back().url, server.Base() + "/text");
}

TEST_CASE("a request opened on one thread is read on another") {
  LocalServer server;
  FreshMachine();
  const Hinternet session = InternetOpenA("Worker", 0, nullptr, nullptr, 0);
  const Hinternet request =
      InternetOpenUrlA(session, (server.Base() + "/text").c_str(), nullptr, 0, 0, 0);
  std::string body;
  bool ended = false;
  std::thread worker([&] {
    char buffer[64];
    Dword read = 0;
    while (InternetReadFile(request, buffer, sizeof buffer, &read) && read != 0) {
      body.append(buffer, read);
    }
    ended = read == 0;
    InternetCloseHandle(request);
  });
  worker.join();
  CHECK(ended && body == "hello from the server");
  Dword read = 1;
  CHECK_EQ(InternetReadFile(request, &read, 1, &read), kFalse);  // closed on the worker
  CHECK_EQ(InternetCloseHandle(session), kTrue);
}
