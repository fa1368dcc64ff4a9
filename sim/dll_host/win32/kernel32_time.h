// Calendar arithmetic shared by KERNEL32's and msvcrt's time functions.
#pragma once

#include <cstdint>

#include "sim/os/sim_os.h"

namespace sim::dll_host::win32 {

// FILETIME counts 100 ns since 1601-01-01; the Unix epoch is this many
// seconds later.
constexpr int64_t kEpochDifferenceSeconds = 11'644'473'600;
constexpr int64_t kFileTimeTicksPerSecond = 10'000'000;

// `seconds` since 1970 (negative: before) as UTC parts, for any year of
// the proleptic Gregorian calendar: the same answer as Os::UtcParts, without
// depending on the width of this program's time_t.
CalendarParts UtcCalendar(int64_t seconds);

}  // namespace sim::dll_host::win32
