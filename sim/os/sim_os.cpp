#include "sim/os/sim_os.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

namespace sim {

const char* CursorName(CursorShape shape) {
  return shape == CursorShape::SizeNorthSouth ? "size-ns" : "arrow";
}

// ---- custom cursors ----------------------------------------------------------------

uint32_t Os::CreateCustomCursor(int32_t hotX, int32_t hotY, int32_t width, int32_t height,
                                const uint8_t* andPlane, const uint8_t* xorPlane) {
  if (width <= 0 || height <= 0 || width % 8 != 0 || andPlane == nullptr || xorPlane == nullptr) {
    return 0;
  }
  // FNV-1a over both planes: the same picture gives the same checksum in
  // both hosts.
  uint32_t checksum = 2166136261u;
  const size_t planeBytes = static_cast<size_t>(width / 8) * static_cast<size_t>(height);
  for (const uint8_t* plane : {andPlane, xorPlane}) {
    for (size_t i = 0; i < planeBytes; ++i) checksum = (checksum ^ plane[i]) * 16777619u;
  }
  const uint32_t handle = nextCustomCursor_++;
  customCursors_[handle] = {hotX, hotY, width, height, checksum};
  return handle;
}

uint32_t Os::CopyCustomCursor(uint32_t cursor) {
  const auto it = customCursors_.find(cursor);
  if (it == customCursors_.end()) return 0;
  const uint32_t handle = nextCustomCursor_++;
  customCursors_[handle] = it->second;
  return handle;
}

bool Os::DestroyCustomCursor(uint32_t cursor) { return customCursors_.erase(cursor) != 0; }

bool Os::ReplaceSystemArrow(uint32_t cursor) {
  const auto it = customCursors_.find(cursor);
  if (it == customCursors_.end()) return false;
  systemArrow_ = it->second;
  customCursors_.erase(it);
  return true;
}

std::string Os::CursorSeen() const {
  if (cursor_ != CursorShape::Arrow || !systemArrow_) return CursorName(cursor_);
  char text[96];
  std::snprintf(text, sizeof text, "custom %dx%d hot %d,%d checksum %08x", systemArrow_->width,
                systemArrow_->height, systemArrow_->hotX, systemArrow_->hotY,
                systemArrow_->checksum);
  return text;
}

// ---- memory protection -------------------------------------------------------------

uint32_t Os::ProtectionAt(uint32_t address) {
  constexpr uint32_t kPageReadWrite = 0x04, kPageExecuteRead = 0x20;
  for (auto it = protections_.rbegin(); it != protections_.rend(); ++it) {
    const auto [range, protection] = *it;
    if (address >= range.first && address - range.first < range.second) return protection;
  }
  return address < 0x5B0000 ? kPageExecuteRead : kPageReadWrite;
}

bool Os::VirtualProtect(uint32_t address, uint32_t size, uint32_t newProtection,
                        uint32_t* oldProtection) {
  std::lock_guard guard(lock_);
  const bool fails = protectFails_ && protectFails_(address);
  const uint32_t old = ProtectionAt(address);
  if (!fails) {
    protections_.push_back({{address, size}, newProtection});
    if (oldProtection != nullptr) *oldProtection = old;
  }
  protectCalls_.push_back({address, size, newProtection, fails ? 0u : old, !fails});
  return !fails;
}

void Os::SetProtectFailure(std::function<bool(uint32_t)> fails) {
  std::lock_guard guard(lock_);
  protectFails_ = std::move(fails);
}

std::vector<ProtectCall> Os::ProtectCalls() {
  std::lock_guard guard(lock_);
  return protectCalls_;
}

void Os::ClearProtectCalls() {
  std::lock_guard guard(lock_);
  protectCalls_.clear();
}

// ---- processor --------------------------------------------------------------------------

CpuidAnswer Os::Cpuid(uint32_t leaf) const {
  CpuidAnswer result;
  if (leaf == 0) {
    result.eax = highestLeaf_;
    result.ebx = 0x6c726f51;  // "Qorl" "anSi" "mCPU": a made-up vendor
    result.edx = 0x6953616e;
    result.ecx = 0x5550436d;
  } else if (leaf == 1 && highestLeaf_ >= 1) {
    result.edx = sse2_ ? (1u << 26) | (1u << 25) : 0;
  }
  return result;
}

// ---- time -----------------------------------------------------------------------------------

bool Os::PerformanceFrequency(int64_t* frequency) const {
  if (!performanceCounter_) return false;
  *frequency = 1000000;
  return true;
}

bool Os::PerformanceCounter(int64_t* counter) const {
  if (!performanceCounter_) return false;
  *counter = static_cast<int64_t>(millis_.load()) * 1000;
  return true;
}

void Os::SetCalendar(int64_t secondsSince1970) {
  calendarBaseMillis_ = secondsSince1970 * 1000 - static_cast<int64_t>(millis_.load());
}

int64_t Os::CalendarMillis() const {
  return calendarBaseMillis_.load() + static_cast<int64_t>(millis_.load());
}

bool Os::UtcParts(int64_t seconds, CalendarParts* out) {
  const auto time = static_cast<std::time_t>(seconds);
  std::tm parts{};
  if (static_cast<int64_t>(time) != seconds || gmtime_r(&time, &parts) == nullptr) return false;
  *out = {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
          parts.tm_min,         parts.tm_sec,     parts.tm_wday, parts.tm_yday};
  return true;
}

// ---- debugger output, keys ------------------------------------------------------------------

void Os::DebugOutput(const std::string& text) {
  std::lock_guard guard(lock_);
  debugOutput_.push_back(text);
}

std::vector<std::string> Os::TakeDebugOutput() {
  std::lock_guard guard(lock_);
  return std::exchange(debugOutput_, {});
}

int16_t Os::KeyState(int virtualKey) {
  std::lock_guard guard(lock_);
  return heldKeys_.count(virtualKey) != 0 ? static_cast<int16_t>(0x8000) : 0;
}

void Os::HoldKey(int virtualKey, bool held) {
  std::lock_guard guard(lock_);
  if (held) {
    heldKeys_.insert(virtualKey);
  } else {
    heldKeys_.erase(virtualKey);
  }
}

// ---- windows ----------------------------------------------------------------------------------

intptr_t Os::SendWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                               intptr_t lParam) {
  if (exited_) return 0;  // the process has ended: no window receives anything
  auto it = procedures_.find(window);
  if (it != procedures_.end()) {
    const Procedure p = it->second;
    return p.caller(p.value, window, message, wParam, lParam);
  }
  return hostWindowProcedure ? hostWindowProcedure(window, message, wParam, lParam) : 0;
}

uintptr_t Os::SubclassWindow(uintptr_t window, uintptr_t procedure, ProcedureCaller caller) {
  auto it = procedures_.find(window);
  const uintptr_t previous = it == procedures_.end() ? kHostProcedure : it->second.value;
  if (it != procedures_.end()) previous_[previous] = it->second;
  procedures_[window] = {procedure, caller};
  return previous;
}

intptr_t Os::CallWindowProcedure(uintptr_t previous, uintptr_t window, uint32_t message,
                                 uintptr_t wParam, intptr_t lParam) {
  if (previous == kHostProcedure) {
    return hostWindowProcedure ? hostWindowProcedure(window, message, wParam, lParam) : 0;
  }
  auto it = previous_.find(previous);
  if (it == previous_.end()) return 0;
  return it->second.caller(it->second.value, window, message, wParam, lParam);
}

void Os::DestroyWindow(uintptr_t window) {
  constexpr uint32_t kWmDestroy = 0x0002, kWmNcDestroy = 0x0082;
  SendWindowMessage(window, kWmDestroy, 0, 0);
  SendWindowMessage(window, kWmNcDestroy, 0, 0);
  procedures_.erase(window);
}

uintptr_t Os::CreateWindow(const char* className, int width, int height, uintptr_t parent) {
  if (!createWindow) return 0;
  return createWindow(className, width, height, parent);
}

void Os::PostWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                           intptr_t lParam) {
  std::lock_guard hold(lock_);
  posted_.push_back({window, message, wParam, lParam});
}

std::vector<Os::PostedMessage> Os::TakePostedMessages() {
  std::lock_guard hold(lock_);
  return std::exchange(posted_, {});
}

// ---- clipboard ------------------------------------------------------------------------------------

bool Os::GetClipboardText(std::string* text) {
  if (clipboardFailing || !clipboardHasText) return false;
  *text = clipboard;
  return true;
}

bool Os::SetClipboardText(const std::string& text) {
  if (clipboardFailing) return false;
  clipboard = text;
  clipboardHasText = true;
  return true;
}

// ---- message boxes, pages, web addresses -----------------------------------------------------

void Os::ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
  std::lock_guard hold(lock_);
  messageBoxes_.push_back({caption, text, flags});
}

void Os::ShellOpen(const std::string& target) {
  // A file of the scenario's folders is known by its scenario name, which
  // is the same on every run and host.
  std::string opened = ScenarioName(Routed(target));
  std::lock_guard hold(lock_);
  openedPages_.push_back(opened);
}

std::string Os::ScenarioName(const std::string& posixPath) const {
  for (const auto& [prefix, folder] : folderNames) {
    if (posixPath.starts_with(folder + "/")) return prefix + ":" + posixPath.substr(folder.size() + 1);
  }
  return posixPath;
}

uint32_t Os::NextTemporaryNumber() { return temporaryCount_.fetch_add(1) % 0xFFFF + 1; }

void Os::RouteSiteTo(const std::string& base, const std::string& site,
                     const std::string& community) {
  std::lock_guard hold(lock_);
  // The community link first: it may lie below the site.
  routes_ = {{community, base + "/community"}, {site, base}};
}

std::string Os::Routed(const std::string& url) const {
  for (const auto& [prefix, replacement] : routes_) {
    if (!prefix.empty() && url.rfind(prefix, 0) == 0) return replacement + url.substr(prefix.size());
  }
  return url;
}

namespace {

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Whether `url` names this machine: "http://127.0.0.1..." or
// "http://localhost..." (any port and path, in any case of the scheme).
bool IsLocalUrl(const std::string& url) {
  const std::string lowered = Lowered(url.substr(0, 32));
  for (const char* scheme : {"http://", "https://"}) {
    if (lowered.rfind(scheme, 0) != 0) continue;
    const std::string rest = lowered.substr(std::string(scheme).size());
    for (const char* host : {"127.0.0.1", "localhost"}) {
      const size_t n = std::string(host).size();
      if (rest.rfind(host, 0) == 0 &&
          (rest.size() == n || std::strchr(":/?#", rest[n]) != nullptr)) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

// The simulated machine reaches only its own web server: an address
// elsewhere (a server message may carry any) is refused at once, as an
// unreachable one is, so no scenario or fuzz input waits on the network.
bool Os::OpenUrl(const UrlOpened& request) {
  UrlOpened routed = request;
  routed.url = Routed(request.url);
  {
    std::lock_guard hold(lock_);
    urlsOpened_.push_back(routed);
  }
  return IsLocalUrl(routed.url);
}

std::vector<Os::UrlOpened> Os::UrlsOpened() {
  std::lock_guard hold(lock_);
  return urlsOpened_;
}

void Os::ClearUrlsOpened() {
  std::lock_guard hold(lock_);
  urlsOpened_.clear();
}

// ---- process ---------------------------------------------------------------------------------------

void Os::ExitProcess(uint32_t code) {
  if (exited_) return;
  exitCode_ = code;
  exited_ = true;
}

}  // namespace sim
