#include "features/cyclopedia/details_view.h"

#include <algorithm>
#include <string>
#include <vector>

#include "features/cyclopedia/rules.h"
#include "gui/draw.h"
#include "gui/outfit_picture.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"
#include "protocol/digit_grouping.h"

namespace cyclopedia {
namespace {

constexpr int32_t kFont = 1, kSmallFont = 2;
constexpr int32_t kLineH = 14;
constexpr gui::Color kNameColor{220, 220, 220};
constexpr gui::Color kHeadingColor{200, 200, 200};
constexpr gui::Color kTextColor{160, 160, 160};
constexpr gui::Color kValueColor{180, 180, 180};
constexpr gui::Color kUnknownColor{140, 140, 140};

// Rating and occurrence icons: 9 x 10 of sheet 4, 11 pixels apart.
constexpr int32_t kIconW = 9, kIconH = 10, kIconPitch = 11;
constexpr int32_t kFilledSrcX = 246, kEmptySrcX = 256, kIconSrcY = 274;

constexpr int32_t kBarGap = 3;
constexpr int32_t kLeftW = 330;
constexpr int32_t kRightX = 350;
constexpr int32_t kElementCount = 8;
constexpr int32_t kMarkSize = 8;

// The small marks beside the statistics and the elements, each in a colour
// of its own so the rows can be told apart.
constexpr gui::Color kElementMarks[kElementCount] = {
    {190, 190, 190}, {230, 100, 40}, {90, 170, 60},  {170, 90, 220},
    {100, 190, 230}, {240, 220, 120}, {120, 80, 120}, {240, 120, 160}};
constexpr gui::Color kStatisticMarks[5] = {
    {200, 170, 90}, {120, 170, 220}, {200, 110, 110}, {130, 200, 130}, {200, 200, 120}};

void Mark(int32_t x, int32_t y, gui::Color color) {
  HostFillRectRGB(x, y, kMarkSize, kMarkSize, color.r, color.g, color.b);
  gui::Bevel(x, y, kMarkSize, kMarkSize, gui::Grey(20), gui::Grey(20));
}

void Icons(int32_t x, int32_t y, int32_t count, int32_t filled) {
  for (int32_t i = 0; i < count; ++i) {
    gui::Skin(x + kIconPitch * i, y, gui::kSheet, i < filled ? kFilledSrcX : kEmptySrcX, kIconSrcY,
              kIconW, kIconH);
  }
}

void DrawProgress(const CreatureDetails& d, int32_t x, int32_t y) {
  gui::Text(x, y, kFont, kHeadingColor, "Total Kills", 0);
  gui::Text(x + 240, y, kFont, kNameColor, protocol::GroupDigits(d.kills), 2);
  const int32_t partW = DrawKillBar(d.kills, d.thresholds, x, y + 18, 240, 8);
  for (int i = 0; i < 3; ++i) {
    const int32_t centre = x + (partW + kBarGap) * i + partW / 2;
    gui::Text(centre, y + 30, kSmallFont, kTextColor,
              gui::FitText(kSmallFont, protocol::GroupDigits(d.thresholds[static_cast<size_t>(i)]),
                           partW),
              1);
  }
}

void DrawStatistics(const CreatureDetails& d, int32_t x, int32_t y) {
  const uint64_t values[5] = {d.statA, d.statB, d.statC, d.statD, d.statE};
  for (int i = 0; i < 5; ++i) {
    const int32_t cx = x + 110 * (i % 3), cy = y + 18 * (i / 3);
    Mark(cx, cy + 2, kStatisticMarks[i]);
    if (d.stage < 2) {
      gui::Text(cx + 12, cy, kFont, kUnknownColor, "?", 0);
    } else {
      gui::Text(cx + 12, cy, kFont, kValueColor,
                gui::FitText(kFont, protocol::GroupDigits(values[i]), 94), 0);
    }
  }
}

void DrawElements(const CreatureDetails& d, int32_t x, int32_t y) {
  const bool known = d.stage >= 3 && !d.elements.empty();
  for (int32_t i = 0; i < kElementCount; ++i) {
    const int32_t cx = x + 80 * (i % 4), cy = y + 18 * (i / 4);
    Mark(cx, cy + 2, kElementMarks[i]);
    const auto sent = std::find_if(d.elements.begin(), d.elements.end(),
                                   [i](const ElementValue& e) { return e.element == i; });
    if (!known || sent == d.elements.end()) {
      gui::Text(cx + 10, cy, kFont, kUnknownColor, " ?", 0);
      continue;
    }
    gui::Text(cx + 10, cy, kFont, ElementColor(sent->value),
              " " + std::to_string(sent->value) + "%", 0);
  }
}

// Loot under its rarity headings, two names a line, within the height
// given; what does not fit ends the last line with "...". Answers where
// the next line would start.
int32_t DrawLoot(const CreatureDetails& d, int32_t x, int32_t y, int32_t w, int32_t bottom) {
  const int32_t columnW = (w - 10) / 2;
  int32_t lineY = y;
  for (uint8_t rarity = 0; rarity < 5; ++rarity) {
    std::vector<std::string> names;
    for (const LootEntry& loot : d.loot) {
      if (loot.rarity == rarity) names.push_back(loot.itemId == 0 ? "Unknown" : loot.name);
    }
    if (names.empty()) continue;
    if (lineY + kLineH > bottom) {
      gui::Text(x, lineY - kLineH, kFont, kTextColor, "...", 0);
      return lineY;
    }
    gui::Text(x, lineY, kFont, kHeadingColor, LootHeading(rarity), 0);
    lineY += kLineH;
    for (size_t i = 0; i < names.size(); i += 2) {
      if (lineY + kLineH > bottom) {
        gui::Text(x + 10, lineY - kLineH + 1, kSmallFont, kTextColor, "...", 0);
        return lineY;
      }
      for (size_t c = 0; c < 2 && i + c < names.size(); ++c) {
        gui::Text(x + 10 + static_cast<int32_t>(c) * columnW, lineY, kSmallFont, kTextColor,
                  gui::FitText(kSmallFont, names[i + c], columnW - 14), 0);
      }
      lineY += kLineH;
    }
    lineY += 4;
  }
  return lineY;
}

void DrawLocations(const CreatureDetails& d, int32_t x, int32_t y, int32_t w, int32_t bottom) {
  gui::Text(x, y, kFont, kHeadingColor, "Location(s):", 0);
  if (d.stage < 3) {
    gui::Text(x + 10, y + kLineH + 2, kFont, kUnknownColor, "?", 0);
    return;
  }
  const std::vector<std::string> lines = gui::WrapText(kSmallFont, d.locations, w - 10);
  int32_t lineY = y + kLineH + 2;
  for (size_t i = 0; i < lines.size(); ++i, lineY += 12) {
    const bool last = lineY + 24 > bottom && i + 1 < lines.size();
    if (last) {
      gui::Text(x + 10, lineY, kSmallFont, kTextColor,
                gui::FitText(kSmallFont, lines[i] + "...", w - 10), 0);
      return;
    }
    gui::Text(x + 10, lineY, kSmallFont, kTextColor, lines[i], 0);
  }
}

}  // namespace

int32_t DrawKillBar(uint32_t kills, const std::array<uint16_t, 3>& thresholds, int32_t x,
                    int32_t y, int32_t w, int32_t h) {
  const int32_t partW = (w - 2 * kBarGap) / 3;
  for (int i = 0; i < 3; ++i) {
    const int32_t px = x + (partW + kBarGap) * i;
    HostFillRectRGB(px, y, partW, h, 40, 40, 40);
    const int32_t fill = BarPartFill(kills, thresholds, i, partW);
    if (fill > 0) HostFillRectRGB(px, y, fill, h, 0, 170, 0);
    gui::Bevel(px, y, partW, h, gui::Grey(0), gui::Grey(0));
  }
  return partW;
}

int KillBarPartAt(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py) {
  if (py < y || py > y + h) return -1;
  const int32_t partW = (w - 2 * kBarGap) / 3;
  for (int i = 0; i < 3; ++i) {
    const int32_t left = x + (partW + kBarGap) * i;
    if (px >= left && px < left + partW) return i;
  }
  return -1;
}

void DrawCreatureDetails(const CreatureDetails& d, int32_t x, int32_t y, int32_t w, int32_t h) {
  const int32_t left = x + 10;
  gui::Text(left, y + 6, kFont, kNameColor,
            gui::FitText(kFont, d.name.empty() ? "Unknown" : d.name, kLeftW), 0);
  gui::Text(left, y + 22, kSmallFont, kTextColor, gui::FitText(kSmallFont, d.className, kLeftW), 0);

  HostFillRectRGB(left, y + 42, 64, 64, 24, 24, 24);
  gui::Bevel(left, y + 42, 64, 64, gui::Grey(20), gui::Grey(90));
  gui::DrawOutfitPicture(d.outfit, left, y + 42, 64);

  const int32_t column = left + 78;
  Icons(column, y + 44, 5, std::min<int32_t>(d.rating, 5));
  Icons(column, y + 60, 4, std::min<int32_t>(d.occurrence + 1, 4));
  gui::Text(column + 4 * kIconPitch + 6, y + 59, kFont, kTextColor, OccurrenceName(d.occurrence),
            0);
  DrawProgress(d, column, y + 80);
  DrawStatistics(d, left, y + 140);
  DrawElements(d, left, y + 186);

  const int32_t right = x + kRightX;
  const int32_t rightW = w - kRightX - 10;
  // The locations follow the loot, which may take up to two thirds.
  const int32_t lootEnd = DrawLoot(d, right, y + 6, rightW, y + h * 2 / 3);
  DrawLocations(d, right, lootEnd + 8, rightW, y + h - 4);
}

}  // namespace cyclopedia
