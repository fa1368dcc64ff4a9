#include "features/analyzer/experience.h"

#include <cstdio>
#include <limits>

#include "protocol/digit_grouping.h"

namespace analyzer {
namespace {

constexpr uint64_t kMaxExperience = std::numeric_limits<uint64_t>::max();
constexpr int64_t kMaxChange = std::numeric_limits<int64_t>::max();
constexpr uint32_t kSecondsPerHour = 3600;

// `to - from` as a signed change, saturated at +-(2^63 - 1).
int64_t Change(uint64_t to, uint64_t from) {
  const uint64_t size = to >= from ? to - from : from - to;
  const int64_t magnitude =
      size > static_cast<uint64_t>(kMaxChange) ? kMaxChange : static_cast<int64_t>(size);
  return to >= from ? magnitude : -magnitude;
}

// value x 3600 / seconds, truncated towards zero, saturated at +-(2^63 - 1).
// Split into quotient and remainder so that no product leaves 64 bits.
int64_t PerHour(int64_t value, uint32_t seconds) {
  const int64_t divisor = seconds;
  const int64_t quotient = value / divisor;
  const int64_t remainder = value % divisor;
  if (quotient >= kMaxChange / kSecondsPerHour) return kMaxChange;
  if (quotient <= -(kMaxChange / kSecondsPerHour)) return -kMaxChange;
  return quotient * kSecondsPerHour + remainder * kSecondsPerHour / divisor;
}

// amount x 3600 / perHour (perHour > 0) in whole seconds, saturated at 2^32
// - 1.
uint32_t SecondsFor(uint64_t amount, int64_t perHour) {
  const auto rate = static_cast<uint64_t>(perHour);
  const uint64_t quotient = amount / rate;
  const uint64_t remainder = amount % rate;
  constexpr uint64_t kMaxSeconds = std::numeric_limits<uint32_t>::max();
  if (quotient >= kMaxSeconds / kSecondsPerHour + 1) return static_cast<uint32_t>(kMaxSeconds);
  // remainder < rate: remainder x 3600 / rate < 3600, computed without the
  // product when the remainder is too large to multiply.
  const uint64_t part = remainder <= kMaxExperience / kSecondsPerHour
                            ? remainder * kSecondsPerHour / rate
                            : remainder / (rate / kSecondsPerHour);
  const uint64_t seconds = quotient * kSecondsPerHour + part;
  return static_cast<uint32_t>(seconds > kMaxSeconds ? kMaxSeconds : seconds);
}

// part x 100 / whole for part <= whole, whole > 0. Both are scaled down
// together until the product fits, which only spans that no real level has
// need.
int32_t PercentOf(uint64_t part, uint64_t whole) {
  while (part > kMaxExperience / 100) {
    part >>= 1;
    whole >>= 1;
  }
  return static_cast<int32_t>(part * 100 / whole);
}

}  // namespace

// 50 n (n^2 - 3n + 8) / 3 with n = level - 1, which equals
// ((50 n - 150) n^2 + 400 n) / 3. Exactly one of n and n^2 - 3n + 8 is a
// multiple of 3, so the division comes first and every later product is
// checked.
uint64_t ExperienceForLevel(uint64_t level) {
  if (level < 2) return 0;
  constexpr uint64_t kBeyondAnyFit = uint64_t{1} << 32;  // n^2 must not overflow below
  if (level >= kBeyondAnyFit) return kMaxExperience;
  uint64_t n = level - 1;
  uint64_t quadratic = n * n - 3 * n + 8;  // exact: the true value is positive and below 2^64
  if (n % 3 == 0) {
    n /= 3;
  } else {
    quadratic /= 3;
  }
  uint64_t result = 0;
  if (__builtin_mul_overflow(n, quadratic, &result) ||
      __builtin_mul_overflow(result, uint64_t{50}, &result)) {
    return kMaxExperience;
  }
  return result;
}

std::string TimeText(uint32_t seconds) {
  char text[32];
  std::snprintf(text, sizeof(text), "%02uh:%02um", seconds / 3600, (seconds % 3600) / 60);
  return text;
}

std::string GroupedChange(int64_t value) {
  if (value >= 0) return protocol::GroupDigits(static_cast<uint64_t>(value));
  std::string text = protocol::GroupDigits(0 - static_cast<uint64_t>(value));
  text.insert(text.begin(), '-');
  return text;
}

void ResetExperience(HuntRecord& hunt) {
  hunt.startExp = 0;
  hunt.currentExp = 0;
  hunt.gained = 0;
  hunt.elapsed = 0;
  hunt.xpPerHour = 0;
  hunt.toNextLevel = 0;
  hunt.secondsToNextLevel = 0;
}

bool TrackExperience(HuntRecord& hunt, uint64_t exp, uint32_t level, uint32_t now) {
  hunt.latestExp = exp;
  hunt.latestLevel = level;
  if (exp == 0) return false;
  // A hunt runs once it has a start sample. Its start experience is never 0
  // (a sample of 0 stops above); its start time may well be, when the first
  // sample comes in the clock's first second, so that is not the test.
  if (hunt.startExp == 0) {
    hunt.startTime = hunt.lastTime = now;
    hunt.startExp = hunt.currentExp = hunt.lastExp = exp;
    return false;
  }
  // A death costs experience: the hunt goes on and shows what it really
  // yielded, which may be a loss.
  hunt.gained = Change(exp, hunt.startExp);
  hunt.elapsed = now - hunt.startTime;
  hunt.currentExp = exp;
  // Two samples in the same second leave the rate as it was.
  if (hunt.elapsed != 0) hunt.xpPerHour = PerHour(hunt.gained, hunt.elapsed);
  const uint64_t next = ExperienceForLevel(uint64_t{level} + 1);
  hunt.toNextLevel = level == 0 || next <= exp ? 0 : next - exp;
  // Without a positive rate there is no estimate; the last one stays.
  if (hunt.xpPerHour > 0) hunt.secondsToNextLevel = SecondsFor(hunt.toNextLevel, hunt.xpPerHour);
  hunt.lastExp = exp;
  hunt.lastTime = now;
  return true;
}

int32_t LevelPercent(const HuntRecord& hunt) {
  if (hunt.toNextLevel == 0) return -1;
  const uint64_t base = ExperienceForLevel(hunt.latestLevel);
  const uint64_t next = ExperienceForLevel(uint64_t{hunt.latestLevel} + 1);
  if (next <= base || hunt.currentExp < base) return 0;
  const uint64_t span = next - base;
  const uint64_t into = hunt.currentExp - base;
  if (into > span) return 0;
  return PercentOf(into, span);
}

}  // namespace analyzer
