// Which frame group of an outfit a creature is drawn with.
//
// Group 0 is the standing group, group 1 the walking group. A walking
// creature uses group 1 unless its outfit has flag 39 (one group serves
// both) or the file gave the outfit no walking group at all: drawing an
// empty group would make the creature vanish for as long as it walks.
#pragma once

#include <cstdint>

#include "host/appearance/appearance_store.h"
#include "host/creature.h"
#include "host/library_data.h"

namespace appearance {

inline constexpr int kOnlyGroupFlag = 39;

// The creature's walking byte is 1 and `now` is before its walk end time
// (compared as a signed difference, so the clock's wrap after 49 days does
// not stop every walk).
inline bool IsWalking(uint32_t creature, uint32_t now) {
  return host::creature::Walking(creature) == 1 &&
         static_cast<int32_t>(host::creature::WalkEndTime(creature) - now) > 0;
}

inline uint8_t GroupIndexFor(const Record* outfit, bool walking) {
  if (!walking || outfit == nullptr || outfit->HasFlag(kOnlyGroupFlag)) return 0;
  return outfit->groups[1].present ? 1 : 0;
}

// The group the outfit getters read (SpriteGroupIndex).
inline const FrameGroup& CurrentGroup(const Record& outfit) {
  return outfit.groups[SpriteGroupIndex == 1 ? 1 : 0];
}

// The outfit record of a creature's 32-bit look type field; a value beyond
// 16 bits names no outfit.
inline const Record* FindOutfit(uint32_t lookType) {
  if (lookType > UINT16_MAX) return nullptr;
  return Store().Find(Category::Outfit, static_cast<uint16_t>(lookType));
}

}  // namespace appearance
