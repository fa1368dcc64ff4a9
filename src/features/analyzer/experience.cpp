#include "features/analyzer/experience.h"

#include <cstdio>
#include <limits>

namespace analyzer {

uint64_t ExperienceForLevel(uint32_t level) {
  if (level < 2) return 0;
  constexpr uint32_t kExactUpTo = 1000000;  // 50 n^3 stays below 2^63
  if (level > kExactUpTo) return std::numeric_limits<uint64_t>::max();
  const int64_t n = static_cast<int64_t>(level) - 1;
  return static_cast<uint64_t>(((50 * n - 150) * n * n + 400 * n) / 3);
}

std::string TimeText(uint32_t seconds) {
  char text[32];
  std::snprintf(text, sizeof(text), "%02uh:%02um", seconds / 3600, (seconds % 3600) / 60);
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
  hunt.gained = exp - hunt.startExp;
  hunt.elapsed = now - hunt.startTime;
  hunt.currentExp = exp;
  // Two samples in the same second leave the rate as it was.
  if (hunt.elapsed != 0) {
    hunt.xpPerHour = static_cast<uint32_t>(hunt.gained * 3600 / hunt.elapsed);
  }
  const uint64_t next = ExperienceForLevel(level + 1);
  hunt.toNextLevel = level == 0 || next <= exp ? 0 : next - exp;
  if (hunt.xpPerHour != 0) {
    hunt.secondsToNextLevel = static_cast<uint32_t>(hunt.toNextLevel * 3600 / hunt.xpPerHour);
  }
  hunt.lastExp = exp;
  hunt.lastTime = now;
  return true;
}

int32_t LevelPercent(const HuntRecord& hunt) {
  if (hunt.toNextLevel == 0) return -1;
  const uint64_t base = ExperienceForLevel(hunt.latestLevel);
  const uint64_t span = ExperienceForLevel(hunt.latestLevel + 1) - base;
  const uint64_t into = hunt.currentExp - base;
  if (span == 0 || hunt.currentExp < base || into > span) return 0;
  return static_cast<int32_t>(into * 100 / span);
}

}  // namespace analyzer
