#include "features/cyclopedia/tracker_list.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "features/cyclopedia/details_view.h"
#include "features/cyclopedia/requests.h"
#include "features/cyclopedia/rules.h"
#include "features/cyclopedia/window.h"
#include "gui/draw.h"
#include "gui/outfit_picture.h"
#include "gui/text_fit.h"
#include "gui/tooltip.h"
#include "host/handlers.h"
#include "protocol/digit_grouping.h"

namespace {

constexpr int32_t kPicture = 16;
// Without a look the row shows the tracker's own 12 x 12 picture.
constexpr int32_t kIconSrcX = 86, kIconSrcY = 437, kIconSize = 12;
constexpr int32_t kBarH = 4;
constexpr gui::Color kNameColor{192, 192, 192};
constexpr gui::Color kCountColor{255, 255, 255};

}  // namespace

// ---- one row ----------------------------------------------------------------------------

GUI_BestiaryTrackerSlot::GUI_BestiaryTrackerSlot(int32_t x, int32_t y, int32_t w,
                                                 cyclopedia::TrackerRow row)
    : GUI_Element(x, y, w, kHeight, 0), row(row) {}

void GUI_BestiaryTrackerSlot::Draw() {
  const auto look = cyclopedia::KnownCreature(row.raceId);
  if (look && look->outfit.lookType != 0) {
    gui::DrawOutfitPicture(look->outfit, x, y + 2, kPicture);
  } else {
    gui::Skin(x + 2, y + 4, gui::kSheet, kIconSrcX, kIconSrcY, kIconSize, kIconSize);
  }
  // The described cut at 18 characters, then whatever the row's width
  // still asks for.
  const std::string name = cyclopedia::TrackerRowName(look ? look->name : "");
  gui::Text(x + 18, y + 8, 1, kNameColor, gui::FitText(1, name, w - 20), 0);
  cyclopedia::DrawKillBar(row.kills, row.thresholds, BarX(), BarY(), BarW(), kBarH);
  gui::Text(x + 74, y + 26, 2, kCountColor,
            gui::FitText(2, protocol::GroupDigits(row.kills), w - 4), 1);
}

void GUI_BestiaryTrackerSlot::OnMouseMove(int32_t px, int32_t py) {
  mouseX_ = px;
  mouseY_ = py;
  const int part =
      visible != 0 ? cyclopedia::KillBarPartAt(BarX(), BarY(), BarW(), kBarH, px, py) : -1;
  if (part != hoveredPart_) hoverSince_ = ClockMillis();
  hoveredPart_ = part;
}

void GUI_BestiaryTrackerSlot::DrawDueTooltip() const {
  if (hoveredPart_ < 0 || visible == 0) return;
  if (ClockMillis() - hoverSince_ < kTooltipDelayMs) return;
  char text[32];
  std::snprintf(text, sizeof(text), "%u / %u", row.kills,
                unsigned{row.thresholds[static_cast<size_t>(hoveredPart_)]});
  gui::DrawTooltipOnTop(mouseX_, mouseY_, text);
}

// ---- the list ---------------------------------------------------------------------------

GUI_BestiaryTrackerList::GUI_BestiaryTrackerList(int32_t x, int32_t y, int32_t w, int32_t h,
                                                 int32_t id)
    : GUI_Element(x, y, w, h, id),
      scrollBar_(std::make_unique<GUI_VScrollBar>(0, 0, kScrollW, 0, 0, 0, 0)) {
  interactive = 1;
  SetBounds(x, y, w, h);
}

void GUI_BestiaryTrackerList::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar_->SetBounds(newX + newW - kScrollW, newY, kScrollW, newH);
  scrollBar_->SetRange(
      std::max(static_cast<int32_t>(slots_.size()) - std::max(VisibleRows(), 1), 0));
  Layout();
}

void GUI_BestiaryTrackerList::Rebuild() {
  const auto& rows = cyclopedia::Data().bestiaryTracker;
  const int32_t remembered = scrollBar_->position;
  slots_.clear();
  for (const cyclopedia::TrackerRow& row : rows) {
    slots_.push_back(std::make_unique<GUI_BestiaryTrackerSlot>(x, y, w - kScrollW - 2, row));
  }
  scrollBar_->SetRange(
      std::max(static_cast<int32_t>(slots_.size()) - std::max(VisibleRows(), 1), 0));
  scrollBar_->SetPosition(remembered, true);
  Layout();
}

void GUI_BestiaryTrackerList::Layout() {
  const int32_t first = std::max(scrollBar_->position, 0);
  const int32_t rowW = ScrollBarShown() ? w - kScrollW - 2 : w;
  for (size_t i = 0; i < slots_.size(); ++i) {
    const int32_t index = static_cast<int32_t>(i) - first;
    GUI_BestiaryTrackerSlot& slot = *slots_[i];
    slot.visible = index >= 0 && index < VisibleRows() ? 1 : 0;
    slot.SetBounds(x, y + GUI_BestiaryTrackerSlot::kHeight * index, rowW,
                   GUI_BestiaryTrackerSlot::kHeight);
  }
}

int32_t GUI_BestiaryTrackerList::RowAt(int32_t px, int32_t py) const {
  if (ScrollBarShown() && px >= scrollBar_->x) return -1;
  for (size_t i = 0; i < slots_.size(); ++i) {
    const GUI_BestiaryTrackerSlot& slot = *slots_[i];
    if (slot.visible != 0 && px >= slot.x && px <= slot.x + slot.w && py >= slot.y &&
        py < slot.y + slot.h) {
      return static_cast<int32_t>(i);
    }
  }
  return -1;
}

void GUI_BestiaryTrackerList::Draw() {
  Layout();
  for (const auto& slot : slots_) {
    if (slot->visible != 0) slot->Draw();
  }
  if (ScrollBarShown()) scrollBar_->Draw();
  // Tooltips last, over every row.
  for (const auto& slot : slots_) slot->DrawDueTooltip();
}

void GUI_BestiaryTrackerList::OnMouseDown(int32_t px, int32_t py) {
  onScrollBar_ = ScrollBarShown() && scrollBar_->Contains(px, py);
  if (onScrollBar_) {
    scrollBar_->OnMouseDown(px, py);
    return;
  }
  pressedRow_ = RowAt(px, py);
}

void GUI_BestiaryTrackerList::OnMouseUp(int32_t px, int32_t py) {
  if (onScrollBar_) {
    onScrollBar_ = false;
    scrollBar_->OnMouseUp(px, py);
    return;
  }
  const int32_t pressed = pressedRow_;
  pressedRow_ = -1;
  if (pressed < 0 || RowAt(px, py) != pressed) return;
  const uint16_t raceId = slots_[static_cast<size_t>(pressed)]->row.raceId;
  cyclopedia::AwaitDetails(raceId);
  cyclopedia::RequestCreatureDetails(raceId);
}

void GUI_BestiaryTrackerList::OnMouseMove(int32_t px, int32_t py) {
  if (onScrollBar_) scrollBar_->OnMouseMove(px, py);
  Layout();
  for (const auto& slot : slots_) slot->OnMouseMove(px, py);
}
