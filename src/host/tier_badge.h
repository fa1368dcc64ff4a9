// The small tier badge drawn at an item's top right: a 10 x 8 picture of
// sheet 4, one per tier 1..10.
#pragma once

#include <cstdint>

namespace host {

inline constexpr int32_t kTierBadgeSheet = 4;
inline constexpr int32_t kTierBadgeWidth = 10;
inline constexpr int32_t kTierBadgeHeight = 8;
inline constexpr int32_t kTierBadgeSourceY = 386;
// Offset of the badge from the left edge of a 32-pixel item picture.
inline constexpr int32_t kTierBadgeOffsetX = 22;

constexpr int32_t TierBadgeSourceX(int32_t tier) { return 253 + 9 * tier; }

}  // namespace host
