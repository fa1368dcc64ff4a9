// The clocks: the performance counter, the tick count and the system time
// all come from the simulated machine's virtual clock (sim::Os).
#include "sim/dll_host/win32/kernel32_time.h"

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/kernel32_exports.h"

namespace sim::dll_host::win32 {
namespace {

constexpr int64_t kSecondsPerDay = 86'400;

int64_t FloorDivide(int64_t value, int64_t divisor) {
  const int64_t quotient = value / divisor;
  return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

bool IsLeapYear(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

// Days to civil date by eras of 400 years (146097 days), each starting on
// 1 March so the leap day comes last.
CalendarParts UtcCalendar(int64_t seconds) {
  const int64_t days = FloorDivide(seconds, kSecondsPerDay);
  const int64_t secondOfDay = seconds - days * kSecondsPerDay;
  const int64_t shifted = days + 719'468;  // days from 0000-03-01
  const int64_t era = FloorDivide(shifted, 146'097);
  const int64_t dayOfEra = shifted - era * 146'097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthIndex = (5 * dayOfYear + 2) / 153;  // 0 = March
  const int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  const int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);

  static constexpr int kDaysBeforeMonth[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  CalendarParts parts;
  parts.year = static_cast<int32_t>(year);
  parts.month = static_cast<int32_t>(month);
  parts.day = static_cast<int32_t>(day);
  parts.hour = static_cast<int32_t>(secondOfDay / 3600);
  parts.minute = static_cast<int32_t>(secondOfDay / 60 % 60);
  parts.second = static_cast<int32_t>(secondOfDay % 60);
  const int64_t fromThursday = days + 4;  // 1970-01-01 was a Thursday
  parts.weekday = static_cast<int32_t>(fromThursday - FloorDivide(fromThursday, 7) * 7);
  parts.yearDay = kDaysBeforeMonth[month - 1] + static_cast<int32_t>(day) - 1 +
                  (month > 2 && IsLeapYear(year) ? 1 : 0);
  return parts;
}

Bool K32_API QueryPerformanceFrequency(int64_t* frequency) {
  return MachineOs().PerformanceFrequency(frequency) ? kTrue : kFalse;
}

Bool K32_API QueryPerformanceCounter(int64_t* counter) {
  return MachineOs().PerformanceCounter(counter) ? kTrue : kFalse;
}

uint64_t K32_API GetTickCount64() { return MachineOs().ClockNow(); }

void K32_API GetSystemTimeAsFileTime(FileTime* time) {
  const int64_t ticks =
      (MachineOs().CalendarMillis() + kEpochDifferenceSeconds * 1000) * (kFileTimeTicksPerSecond / 1000);
  time->low = static_cast<Dword>(static_cast<uint64_t>(ticks));
  time->high = static_cast<Dword>(static_cast<uint64_t>(ticks) >> 32);
}

Bool K32_API FileTimeToSystemTime(const FileTime* fileTime, SystemTime* systemTime) {
  const uint64_t ticks = (static_cast<uint64_t>(fileTime->high) << 32) | fileTime->low;
  if (ticks > 0x7FFFFFFFFFFFFFFFull) {
    SetThreadError(kErrorInvalidParameter);
    return kFalse;
  }
  const int64_t seconds = static_cast<int64_t>(ticks / kFileTimeTicksPerSecond);
  const CalendarParts parts = UtcCalendar(seconds - kEpochDifferenceSeconds);
  systemTime->year = static_cast<uint16_t>(parts.year);
  systemTime->month = static_cast<uint16_t>(parts.month);
  systemTime->dayOfWeek = static_cast<uint16_t>(parts.weekday);
  systemTime->day = static_cast<uint16_t>(parts.day);
  systemTime->hour = static_cast<uint16_t>(parts.hour);
  systemTime->minute = static_cast<uint16_t>(parts.minute);
  systemTime->second = static_cast<uint16_t>(parts.second);
  systemTime->milliseconds = static_cast<uint16_t>(ticks / 10'000 % 1000);
  return kTrue;
}

// The clock is not adjusted; it advances in the usual 15.625 ms steps.
Bool K32_API GetSystemTimeAdjustment(Dword* adjustment, Dword* increment, Bool* disabled) {
  *adjustment = 156'250;
  *increment = 156'250;
  *disabled = kTrue;
  return kTrue;
}

}  // namespace sim::dll_host::win32
