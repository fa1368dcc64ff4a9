// The small pictures of the prey window and tracker: the bonus flag by
// bonus type, the grade stars, and the gold and wildcard signs.
#pragma once

#include <cstdint>

namespace prey {

inline constexpr int32_t kFlagWidth = 36, kFlagHeight = 40;
inline constexpr int32_t kSignSize = 12;
inline constexpr int32_t kStarPitch = 11;  // stars are 9 x 10, 11 pixels apart

// The flag of a bonus type; an unknown type has a fifth, grey flag.
void DrawBonusFlag(int32_t x, int32_t y, uint8_t bonusType);
// Ten stars in two rows of five; the first min(grade, 10) are filled.
void DrawGradeStars(int32_t x, int32_t y, uint8_t grade);
void DrawGoldSign(int32_t x, int32_t y);
void DrawWildcardSign(int32_t x, int32_t y);

}  // namespace prey
