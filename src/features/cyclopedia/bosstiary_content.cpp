#include "features/cyclopedia/bosstiary_content.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "features/cyclopedia/rules.h"
#include "features/cyclopedia/state.h"
#include "gui/draw.h"
#include "gui/outfit_picture.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"
#include "protocol/digit_grouping.h"

namespace {

constexpr int32_t kFont = 1, kSmallFont = 2;
constexpr int32_t kScrollW = 12;
constexpr int32_t kPicture = 40;
constexpr int32_t kLevelsX = 250, kLevelW = 86;
constexpr gui::Color kNameColor{220, 220, 220};
constexpr gui::Color kTextColor{160, 160, 160};
constexpr gui::Color kReachedColor{90, 190, 90};
constexpr gui::Color kMissingColor{120, 120, 120};
constexpr gui::Color kCategoryColors[3] = {{190, 170, 120}, {200, 120, 60}, {210, 70, 70}};

constexpr const char* kLevelNames[3] = {"Prowess", "Expertise", "Mastery"};

// A level's progress: the kills towards its threshold, at most the
// threshold itself (the total stands beside the name), so even the
// largest count reads whole in its column.
std::string Fraction(uint32_t kills, uint32_t threshold) {
  char text[32];
  std::snprintf(text, sizeof(text), "%u / %u", std::min(kills, threshold), threshold);
  return text;
}

}  // namespace

GUI_BosstiaryContent::GUI_BosstiaryContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id),
      scrollBar_(std::make_unique<GUI_VScrollBar>(0, 0, kScrollW, 0, 0, 0, 0)) {
  interactive = 1;
  SetBounds(x, y, w, h);
}

void GUI_BosstiaryContent::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar_->SetBounds(newX + newW - kScrollW, newY, kScrollW, newH);
}

void GUI_BosstiaryContent::Rebuild() {
  const auto& view = cyclopedia::View();
  const auto& bosses = cyclopedia::Data().bosses;
  shown_.clear();
  for (size_t i = 0; i < bosses.size(); ++i) {
    if (cyclopedia::PassesBossFilters(view.bossFilters, bosses[i].category, bosses[i].kills)) {
      shown_.push_back(i);
    }
  }
  const int32_t remembered = scrollBar_->position;
  scrollBar_->SetRange(std::max(static_cast<int32_t>(shown_.size()) - VisibleRows(), 0));
  scrollBar_->SetPosition(remembered, true);
}

void GUI_BosstiaryContent::DrawRow(size_t index, int32_t rowY) const {
  if (index >= cyclopedia::Data().bosses.size()) return;
  const cyclopedia::Boss& boss = cyclopedia::Data().bosses[index];
  const int32_t rowW = w - kScrollW - 4;
  HostFillRectRGB(x, rowY, rowW, kRowH - 2, 34, 34, 34);
  gui::Bevel(x, rowY, rowW, kRowH - 2, gui::Grey(90), gui::Grey(20));
  HostFillRectRGB(x + 3, rowY + 3, kPicture, kPicture, 20, 20, 20);
  gui::DrawOutfitPicture(boss.outfit, x + 3, rowY + 3, kPicture);
  const int32_t textX = x + kPicture + 10;
  const int32_t nameRoom = kLevelsX - kPicture - 14;
  gui::Text(textX, rowY + 5, kFont, kNameColor,
            gui::FitText(kFont, boss.name.empty() ? "Unknown" : boss.name, nameRoom), 0);
  const uint8_t category = boss.category <= 2 ? boss.category : 0;
  gui::Text(textX, rowY + 19, kSmallFont, kCategoryColors[category],
            cyclopedia::BossCategoryName(boss.category), 0);
  gui::Text(textX, rowY + 31, kSmallFont, kTextColor,
            gui::FitText(kSmallFont, "Total Kills " + protocol::GroupDigits(boss.kills), nameRoom),
            0);
  const auto thresholds = cyclopedia::BossThresholds(boss.category);
  for (int level = 0; level < 3; ++level) {
    const int32_t lx = x + kLevelsX + kLevelW * level;
    const bool reached = boss.kills >= thresholds[static_cast<size_t>(level)];
    const gui::Color colour = reached ? kReachedColor : kMissingColor;
    gui::Text(lx + kLevelW / 2, rowY + 8, kFont, colour, kLevelNames[level], 1);
    gui::Text(lx + kLevelW / 2, rowY + 26, kSmallFont, colour,
              gui::FitText(kSmallFont, Fraction(boss.kills, thresholds[static_cast<size_t>(level)]),
                           kLevelW - 4),
              1);
  }
}

void GUI_BosstiaryContent::Draw() {
  if (visible == 0) return;
  if (shown_.empty()) {
    gui::Text(x + (w - kScrollW) / 2, y + h / 2, kFont, kTextColor, "None", 1);
  }
  const auto first = static_cast<size_t>(std::max(scrollBar_->position, 0));
  const size_t end = std::min(shown_.size(), first + static_cast<size_t>(VisibleRows()));
  int32_t rowY = y;
  for (size_t i = first; i < end; ++i, rowY += kRowH) DrawRow(shown_[i], rowY);
  scrollBar_->Draw();
}
