#include "sim/sim_platform.h"

#include <cstring>
#include <ctime>
#include <utility>

#include "gui/text_case.h"

namespace sim {

// Host code below 0x5B0000 is executable and read-only; the data after it
// is writable, as in the host image.
uint32_t SimPlatform::ProtectionAt(uint32_t address) {
  for (auto it = protections_.rbegin(); it != protections_.rend(); ++it) {
    const auto [range, protection] = *it;
    if (address >= range.first && address - range.first < range.second) return protection;
  }
  return address < 0x5B0000 ? platform::kPageExecuteRead : platform::kPageReadWrite;
}

bool SimPlatform::VirtualProtect(uint32_t address, uint32_t size, uint32_t newProtection,
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

platform::CpuidResult SimPlatform::Cpuid(uint32_t leaf) {
  platform::CpuidResult result;
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

bool SimPlatform::QueryPerformanceFrequency(int64_t* frequency) {
  if (!performanceCounter_) return false;
  *frequency = 1000000;
  return true;
}

bool SimPlatform::QueryPerformanceCounter(int64_t* counter) {
  if (!performanceCounter_) return false;
  *counter = static_cast<int64_t>(millis_.load()) * 1000;
  return true;
}

platform::WallClock SimPlatform::Now() {
  const int64_t millis = calendarBaseMillis_.load() + static_cast<int64_t>(millis_.load());
  return {static_cast<uint64_t>(millis / 1000), static_cast<uint32_t>(millis % 1000)};
}

bool SimPlatform::LocalTime(uint64_t seconds, platform::CalendarTime* out) {
  const auto time = static_cast<std::time_t>(seconds);
  std::tm parts{};
  if (static_cast<uint64_t>(time) != seconds || gmtime_r(&time, &parts) == nullptr) return false;
  *out = {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
          parts.tm_hour,        parts.tm_min,     parts.tm_sec};
  return true;
}

void SimPlatform::SetCalendar(int64_t secondsSince1970) {
  calendarBaseMillis_ = secondsSince1970 * 1000 - static_cast<int64_t>(millis_.load());
}

void SimPlatform::DebugOutput(const std::string& text) {
  std::lock_guard guard(lock_);
  debugOutput_.push_back(text);
}

int16_t SimPlatform::KeyState(int virtualKey) {
  std::lock_guard guard(lock_);
  return heldKeys_.count(virtualKey) != 0 ? static_cast<int16_t>(0x8000) : 0;
}

namespace {
// The value SubclassWindow hands out for "the host's own procedure".
constexpr uintptr_t kHostProcedure = 1;
}  // namespace

intptr_t SimPlatform::SendWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                                        intptr_t lParam) {
  if (exited_) return 0;  // the process has ended: no window receives anything
  auto it = procedures_.find(window);
  if (it != procedures_.end()) return it->second(window, message, wParam, lParam);
  return hostWindowProcedure ? hostWindowProcedure(window, message, wParam, lParam) : 0;
}

void SimPlatform::DestroyWindow(uintptr_t window) {
  constexpr uint32_t kWmDestroy = 0x0002, kWmNcDestroy = 0x0082;
  SendWindowMessage(window, kWmDestroy, 0, 0);
  SendWindowMessage(window, kWmNcDestroy, 0, 0);
  procedures_.erase(window);
}

uintptr_t SimPlatform::SubclassWindow(uintptr_t window, platform::WindowProcedure procedure,
                                      bool unicode) {
  auto it = procedures_.find(window);
  const uintptr_t previous =
      it == procedures_.end() ? kHostProcedure : reinterpret_cast<uintptr_t>(it->second);
  procedures_[window] = procedure;
  return previous;
}

intptr_t SimPlatform::CallWindowProcedure(uintptr_t previous, uintptr_t window, uint32_t message,
                                          uintptr_t wParam, intptr_t lParam, bool unicode) {
  if (previous == kHostProcedure) {
    return hostWindowProcedure ? hostWindowProcedure(window, message, wParam, lParam) : 0;
  }
  if (previous == 0) return 0;
  return reinterpret_cast<platform::WindowProcedure>(previous)(window, message, wParam, lParam);
}

void SimPlatform::ClientToScreen(uintptr_t window, int32_t* x, int32_t* y) {
  *x += clientOriginX;
  *y += clientOriginY;
}

void SimPlatform::KeybdEvent(uint8_t virtualKey, bool up) {
  syntheticKeys_.push_back({virtualKey, up});
}

void SimPlatform::ExitProcess(uint32_t code) {
  if (exited_) return;
  exitCode_ = code;
  exited_ = true;
}

void SimPlatform::PostWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                                    intptr_t lParam) {
  std::lock_guard<std::mutex> hold(lock_);
  posted_.push_back({window, message, wParam, lParam});
}

std::vector<SimPlatform::PostedMessage> SimPlatform::TakePostedMessages() {
  std::lock_guard<std::mutex> hold(lock_);
  return std::exchange(posted_, {});
}

void SimPlatform::ShowMessageBox(const std::string& text, const std::string& caption,
                                 uint32_t flags) {
  messageBoxes_.push_back({caption, text, flags});
}

void SimPlatform::ShellOpen(const std::string& target) {
  std::lock_guard<std::mutex> hold(lock_);
  openedPages_.push_back(target);
}

uintptr_t SimPlatform::CreateWindowExA(uint32_t exStyle, const char* className,
                                       const char* windowName, uint32_t style, int x, int y,
                                       int width, int height, uintptr_t parent, uintptr_t menu,
                                       uintptr_t instance, void* param) {
  if (!createWindow) return 0;
  return createWindow(className, width, height, parent);
}

namespace {

// Whether `url` names this machine: "http://127.0.0.1..." or
// "http://localhost..." (any port and path, in any case of the scheme).
bool IsLocalUrl(const std::string& url) {
  const std::string lowered = gui::LowerCase(url.substr(0, 32));
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
std::unique_ptr<platform::HttpResponse> SimPlatform::OpenUrl(const std::string& agent,
                                                             uint32_t accessType,
                                                             const std::string& url,
                                                             uint32_t flags) {
  {
    std::lock_guard<std::mutex> hold(lock_);
    urlsOpened_.push_back({agent, accessType, url, flags});
  }
  if (!IsLocalUrl(url)) return nullptr;
  return PosixPlatform::OpenUrl(agent, accessType, url, flags);
}

std::vector<SimPlatform::UrlOpened> SimPlatform::UrlsOpened() {
  std::lock_guard<std::mutex> hold(lock_);
  return urlsOpened_;
}

bool SimPlatform::GetClipboardText(std::string* text) {
  if (clipboardFailing || !clipboardHasText) return false;
  *text = clipboard;
  return true;
}

bool SimPlatform::SetClipboardText(const std::string& text) {
  if (clipboardFailing) return false;
  clipboard = text;
  clipboardHasText = true;
  return true;
}

void SimPlatform::SetProtectFailure(std::function<bool(uint32_t)> fails) {
  std::lock_guard guard(lock_);
  protectFails_ = std::move(fails);
}

std::vector<ProtectCall> SimPlatform::ProtectCalls() {
  std::lock_guard guard(lock_);
  return protectCalls_;
}

void SimPlatform::ClearProtectCalls() {
  std::lock_guard guard(lock_);
  protectCalls_.clear();
}

std::vector<std::string> SimPlatform::TakeDebugOutput() {
  std::lock_guard guard(lock_);
  return std::exchange(debugOutput_, {});
}

void SimPlatform::HoldKey(int virtualKey, bool held) {
  std::lock_guard guard(lock_);
  if (held) {
    heldKeys_.insert(virtualKey);
  } else {
    heldKeys_.erase(virtualKey);
  }
}

}  // namespace sim
