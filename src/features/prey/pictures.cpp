#include "features/prey/pictures.h"

#include <algorithm>

#include "gui/draw.h"
#include "gui/widgets/face.h"

namespace prey {
namespace {

struct FlagLook {
  gui::Color fill;
  const char* mark;
};

constexpr FlagLook kFlags[] = {
    {{170, 50, 50}, "DMG"},    // damage boost
    {{50, 90, 170}, "DEF"},    // damage reduction
    {{60, 150, 60}, "XP"},     // experience bonus
    {{190, 150, 40}, "LOOT"},  // improved loot
};
constexpr FlagLook kUnknownFlag{{90, 90, 90}, "?"};

// The rating stars of the interface sheet.
constexpr int32_t kStarW = 9, kStarH = 10;
constexpr int32_t kStarFilledX = 246, kStarEmptyX = 256, kStarY = 274;

void Sign(int32_t x, int32_t y, gui::Color fill) {
  HostFillRectRGB(x, y, kSignSize, kSignSize, fill.r, fill.g, fill.b);
  gui::Bevel(x, y, kSignSize, kSignSize, gui::Scaled(fill, 1.3), gui::Scaled(fill, 0.5));
}

}  // namespace

void DrawBonusFlag(int32_t x, int32_t y, uint8_t bonusType) {
  const FlagLook& look = bonusType < std::size(kFlags) ? kFlags[bonusType] : kUnknownFlag;
  HostFillRectRGB(x, y, kFlagWidth, kFlagHeight, look.fill.r, look.fill.g, look.fill.b);
  gui::Bevel(x, y, kFlagWidth, kFlagHeight, gui::Scaled(look.fill, 1.3), gui::Grey(0));
  gui::Text(x + kFlagWidth / 2, y + kFlagHeight / 2 - 5, 2, gui::Grey(240), look.mark, 1);
}

void DrawGradeStars(int32_t x, int32_t y, uint8_t grade) {
  const int32_t filled = std::min<int32_t>(grade, 10);
  for (int32_t i = 0; i < 10; ++i) {
    const int32_t sx = x + (i % 5) * kStarPitch;
    const int32_t sy = y + (i / 5) * kStarPitch;
    gui::Skin(sx, sy, gui::kSheet, i < filled ? kStarFilledX : kStarEmptyX, kStarY, kStarW, kStarH);
  }
}

void DrawGoldSign(int32_t x, int32_t y) { Sign(x, y, {205, 165, 40}); }

void DrawWildcardSign(int32_t x, int32_t y) { Sign(x, y, {150, 90, 200}); }

}  // namespace prey
