// ClockMillis: the millisecond clock the library installs for itself and for
// the host (entry 2 replaces the host's clock pointer with it).
#include <atomic>
#include <mutex>

#include "host/clock.h"
#include "host/handlers.h"
#include "platform/platform.h"

namespace {

struct ClockBase {
  bool highResolution = false;
  int64_t frequency = 0;
  int64_t start = 0;  // counter ticks, or wall-clock milliseconds
};

uint64_t WallMillis(const platform::WallClock& now) {
  return now.seconds * 1000ull + now.milliseconds;
}

std::atomic<bool> chosen{false};
std::mutex chooseLock;
ClockBase base;

// The choice between the performance counter and the wall clock is made once,
// on the first call, whichever thread makes it.
const ClockBase& Base() {
  if (chosen.load(std::memory_order_acquire)) return base;
  std::lock_guard guard(chooseLock);
  if (chosen.load(std::memory_order_relaxed)) return base;
  platform::Platform& os = platform::Get();
  ClockBase b;
  int64_t counter = 0;
  if (os.QueryPerformanceFrequency(&b.frequency) && b.frequency > 0 &&
      os.QueryPerformanceCounter(&counter)) {
    b.highResolution = true;
    b.start = counter;
  } else {
    b.start = static_cast<int64_t>(WallMillis(os.Now()));
  }
  base = b;
  chosen.store(true, std::memory_order_release);
  return base;
}

}  // namespace

namespace host {

void ResetClockForTests() {
  std::lock_guard guard(chooseLock);
  chosen.store(false);
}
}  // namespace host

uint32_t ClockMillis() {
  const ClockBase& base = Base();
  platform::Platform& os = platform::Get();
  if (base.highResolution) {
    int64_t counter = 0;
    os.QueryPerformanceCounter(&counter);
    // Split the division so (counter - start) * 1000 cannot overflow for any
    // realistic uptime, and truncate to 32 bits as the host expects.
    const int64_t elapsed = counter - base.start;
    const int64_t millis =
        (elapsed / base.frequency) * 1000 + (elapsed % base.frequency) * 1000 / base.frequency;
    return static_cast<uint32_t>(millis);
  }
  return static_cast<uint32_t>(WallMillis(os.Now()) - static_cast<uint64_t>(base.start));
}
