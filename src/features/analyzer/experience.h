// The experience side of a hunt: the level formula, the hunt record and what
// a statistics message does to it.
#pragma once

#include <cstdint>
#include <string>

namespace analyzer {

// Experience needed to reach `level` (0 below level 2): exact while it fits
// in 64 bits (up to level 1,034,406), saturated beyond.
uint64_t ExperienceForLevel(uint64_t level);

// "%02uh:%02um"; hours are not capped.
std::string TimeText(uint32_t seconds);

// Digits grouped in threes, with a leading '-' for a loss.
std::string GroupedChange(int64_t value);

struct HuntRecord {
  uint32_t startTime = 0;  // seconds of the first sample
  uint32_t lastTime = 0;
  uint64_t startExp = 0;  // 0 = no hunt running
  uint64_t lastExp = 0;
  uint64_t currentExp = 0;
  // The change since the start: negative after a death cost more than the
  // hunt had gained, and the rate with it. Both saturate at +-(2^63 - 1).
  int64_t gained = 0;
  uint32_t elapsed = 0;
  int64_t xpPerHour = 0;
  uint64_t toNextLevel = 0;
  uint32_t secondsToNextLevel = 0;  // saturates; estimated only while the rate is positive
  bool firstStatsSeen = false;
  uint64_t latestExp = 0;  // of the latest statistics message
  uint32_t latestLevel = 0;
};

// Zeroes the measured values of the hunt (not its start and last samples).
void ResetExperience(HuntRecord& hunt);

// A statistics message with experience `exp` at `level`, `now` in seconds.
// Returns whether the displays must be refreshed (a running hunt measured);
// the first sample of a hunt only starts it.
bool TrackExperience(HuntRecord& hunt, uint64_t exp, uint32_t level, uint32_t now);

// Percent of the way from `level` to the next one, for the progress bar, or
// -1 when the bar keeps its value (no next level to reach).
int32_t LevelPercent(const HuntRecord& hunt);

}  // namespace analyzer
