// The experience side of a hunt: the level formula, the hunt record and what
// a statistics message does to it.
#pragma once

#include <cstdint>
#include <string>

namespace analyzer {

// Experience needed to reach `level` (0 below level 2). Exact in 64 bits up
// to level 1,000,000; higher levels (which no character reaches) saturate.
uint64_t ExperienceForLevel(uint32_t level);

// "%02uh:%02um"; hours are not capped.
std::string TimeText(uint32_t seconds);

struct HuntRecord {
  uint32_t startTime = 0;  // seconds of the first sample
  uint32_t lastTime = 0;
  uint64_t startExp = 0;  // 0 = no hunt running
  uint64_t lastExp = 0;
  uint64_t currentExp = 0;
  uint64_t gained = 0;
  uint32_t elapsed = 0;
  uint32_t xpPerHour = 0;
  uint64_t toNextLevel = 0;
  uint32_t secondsToNextLevel = 0;
  bool firstStatsSeen = false;
  uint64_t latestExp = 0;   // of the latest statistics message
  uint32_t latestLevel = 0;
};

// Zeroes the measured values of the hunt (not its start and last samples).
void ResetExperience(HuntRecord& hunt);

// A statistics message with experience `exp` at `level`, `now` in seconds.
// Returns whether the displays must be refreshed (a running hunt measured);
// the first sample of a hunt only starts it.
bool TrackExperience(HuntRecord& hunt, uint64_t exp, uint32_t level, uint32_t now);

// Percent of the way from `level` to the next one, for the progress bar;
// nullopt-like -1 when the bar keeps its value (no next level to reach).
int32_t LevelPercent(const HuntRecord& hunt);

}  // namespace analyzer
