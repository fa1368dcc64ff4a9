#include "sim/linked/sim_platform.h"

namespace sim {
namespace {

intptr_t CallCoreProcedure(uintptr_t procedure, uintptr_t window, uint32_t message,
                           uintptr_t wParam, intptr_t lParam) {
  try {
    return reinterpret_cast<platform::WindowProcedure>(procedure)(window, message, wParam, lParam);
  } catch (const ProcessKilled&) {
    return 0;  // the process ended while the message was handled
  }
}

}  // namespace

platform::CpuidResult SimPlatform::Cpuid(uint32_t leaf) {
  const CpuidAnswer a = os_.Cpuid(leaf);
  return {a.eax, a.ebx, a.ecx, a.edx};
}

// The machine counts the library's threads, as the Win32 layer of the other
// host does, so `settle` waits for the same ones. The end is counted last,
// once the body and everything it holds are gone: a waiter that sees the
// count drop may tear the library down at once.
bool SimPlatform::StartThread(std::function<uint32_t()> body) {
  if (os_.threadStartsFail) return false;
  Os& os = os_;
  os.ThreadStarted();
  return PosixPlatform::StartThread([&os, body = std::move(body)]() mutable {
    uint32_t code = 1;
    try {
      code = body();
    } catch (...) {
      // A worker must never take the process down.
    }
    body = nullptr;
    os.ThreadEnded();
    return code;
  });
}

platform::WallClock SimPlatform::Now() {
  const int64_t millis = os_.CalendarMillis();
  return {static_cast<uint64_t>(millis / 1000), static_cast<uint32_t>(millis % 1000)};
}

bool SimPlatform::LocalTime(uint64_t seconds, platform::CalendarTime* out) {
  CalendarParts parts;
  if (seconds > static_cast<uint64_t>(INT64_MAX) ||
      !Os::UtcParts(static_cast<int64_t>(seconds), &parts)) {
    return false;
  }
  *out = {parts.year, parts.month, parts.day, parts.hour, parts.minute, parts.second};
  return true;
}

void SimPlatform::SetCursor(platform::Cursor cursor) {
  os_.SetCursor(cursor == platform::Cursor::SizeNorthSouth ? CursorShape::SizeNorthSouth
                                                           : CursorShape::Arrow);
}

uintptr_t SimPlatform::SubclassWindow(uintptr_t window, platform::WindowProcedure procedure,
                                      bool unicode) {
  return os_.SubclassWindow(window, reinterpret_cast<uintptr_t>(procedure), &CallCoreProcedure);
}

bool SimPlatform::EnvironmentVariable(const std::string& name, std::string* value) {
  const auto it = os_.environment.find(name);
  if (it == os_.environment.end()) return false;
  *value = it->second;
  return true;
}

// CopyIcon, then SetSystemCursor, as the Win32 layer answers them.
bool SimPlatform::ReplaceSystemArrow(uintptr_t cursor) {
  const uint32_t copy = os_.CopyCustomCursor(static_cast<uint32_t>(cursor));
  return copy != 0 && os_.ReplaceSystemArrow(copy);
}

std::unique_ptr<platform::HttpResponse> SimPlatform::OpenUrl(const std::string& agent,
                                                             uint32_t accessType,
                                                             const std::string& url,
                                                             uint32_t flags,
                                                             platform::UrlOpenFailure* failure) {
  if (!os_.OpenUrl({agent, accessType, url, flags})) {
    if (failure != nullptr) *failure = platform::UrlOpenFailure::Url;
    return nullptr;
  }
  return PosixPlatform::OpenUrl(agent, accessType, url, flags, failure);
}

}  // namespace sim
