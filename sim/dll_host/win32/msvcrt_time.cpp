// _localtime64 and gmtime: the simulated machine's local time is UTC. Each
// returns the calling thread's own struct, as msvcrt does.
#include <cerrno>

#include "sim/dll_host/win32/kernel32_time.h"
#include "sim/dll_host/win32/msvcrt_exports.h"

namespace sim::dll_host::win32 {
namespace {

// msvcrt's range for 64-bit times: up to 3000-12-31 23:59:59 UTC.
constexpr int64_t kMaxTime64 = 32'535'215'999;

thread_local CrtTm threadTm;

CrtTm* Broken(int64_t seconds) {
  const CalendarParts parts = UtcCalendar(seconds);
  threadTm = {parts.second,       parts.minute,  parts.hour,     parts.day, parts.month - 1,
              parts.year - 1900, parts.weekday, parts.yearDay, 0};
  return &threadTm;
}

}  // namespace

CrtTm* CRT_API CrtLocaltime64(const int64_t* time) {
  if (time == nullptr || *time < 0 || *time > kMaxTime64) {
    SetCrtErrno(EINVAL);
    return nullptr;
  }
  return Broken(*time);
}

// msvcrt's gmtime takes the 32-bit time_t; times before 1970 are refused.
CrtTm* CRT_API CrtGmtime(const int32_t* time) {
  if (time == nullptr || *time < 0) {
    SetCrtErrno(EINVAL);
    return nullptr;
  }
  return Broken(*time);
}

}  // namespace sim::dll_host::win32
