#include "features/store/category_list.h"

#include <algorithm>

#include "features/store/pieces.h"
#include "features/store/state.h"
#include "gui/draw.h"
#include "gui/text_fit.h"

namespace {

constexpr gui::Color kSelectedName{255, 255, 255};
constexpr gui::Color kName{175, 175, 175};
// The name stays on its bar, a few pixels off the bar's right end.
constexpr int32_t kNameRoom =
    GUI_StoreCategories::kBarX + GUI_StoreCategories::kBarW - 4 - GUI_StoreCategories::kNameX;

gui::Color NameColor(uint8_t highlight, bool selected) {
  return store::NameColor(highlight, selected ? kSelectedName : kName);
}

}  // namespace

GUI_StoreCategories::GUI_StoreCategories(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id), scrollBar(x + w - kScrollBarW, y, kScrollBarW, h, 0, 0, 0) {
  interactive = 1;
  UpdateRange();
}

int32_t GUI_StoreCategories::RowCount() const {
  return static_cast<int32_t>(store::State().categories.size());
}

void GUI_StoreCategories::UpdateRange() {
  const int32_t range = std::max(RowCount() - VisibleRows(), 0);
  if (range != scrollBar.maximum) scrollBar.SetRange(range);
}

void GUI_StoreCategories::Refresh() {
  UpdateRange();
  if (!HasSelection()) selected = 0;
}

int32_t GUI_StoreCategories::VisibleRows() const {
  const int32_t room = h - kLastTopFromBottom - kFirstRowY;  // the last top, below y
  return room < 0 ? 0 : room / kRowPitch + 1;
}

bool GUI_StoreCategories::HasSelection() const { return selected >= 0 && selected < RowCount(); }

void GUI_StoreCategories::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar.SetBounds(newX + newW - kScrollBarW, newY, kScrollBarW, newH);
  UpdateRange();
}

void GUI_StoreCategories::Draw() {
  // The categories may have been replaced since the last frame.
  UpdateRange();
  auto& categories = store::State().categories;
  const int32_t lastTop = y + h - kLastTopFromBottom;
  int32_t top = y + kFirstRowY;
  for (int32_t row = FirstRow(); row < RowCount() && top <= lastTop; ++row, top += kRowPitch) {
    store::StoreCategory& category = categories[static_cast<size_t>(row)];
    const bool isSelected = row == selected;
    gui::Skin(x + kBarX, top, gui::kSheet, kBarSrcX, isSelected ? kSelectedBarSrcY : kBarSrcY,
              kBarW, kBarH);
    if (category.image.texture != nullptr) {
      category.image.texture->Draw(gui::kSurface, 1, x + kPictureX, top + kPictureY, kPictureSize,
                                   kPictureSize);
    }
    gui::Text(x + kNameX, top + kNameY, kFont, NameColor(category.highlight, isSelected),
              gui::FitText(kFont, category.name, kNameRoom), 0);
  }
  scrollBar.Draw();
}

void GUI_StoreCategories::OnMouseDown(int32_t px, int32_t py) {
  if (scrollBar.Contains(px, py)) {
    scrollBar.OnMouseDown(px, py);
    return;
  }
  if (px < x + kBarX || px > x + kBarX + kBarW || py < y + kFirstRowY) return;
  const int32_t slot = (py - y - kFirstRowY) / kRowPitch;
  const int32_t top = y + kFirstRowY + slot * kRowPitch;
  if (py > top + kBarH || slot >= VisibleRows()) return;  // between two bars, or below the last
  const int32_t row = FirstRow() + slot;
  if (row >= RowCount()) return;
  selected = row;
  Post(row);
}

void GUI_StoreCategories::OnMouseUp(int32_t px, int32_t py) { scrollBar.OnMouseUp(px, py); }

void GUI_StoreCategories::OnMouseMove(int32_t px, int32_t py) { scrollBar.OnMouseMove(px, py); }

void GUI_StoreCategories::OnWheel(int32_t px, int32_t py, uint8_t up) {
  scrollBar.OnWheel(px, py, up);
}

void GUI_StoreCategories::OnKeyDown(int32_t key, int32_t) {
  if (key != store::kKeyUp && key != store::kKeyDown) return;
  const int32_t moved = store::StepSelection(selected, RowCount(), key);
  if (moved < 0 || moved == selected) return;
  selected = moved;
  UpdateRange();
  scrollBar.SetPosition(store::ScrollToShow(selected, FirstRow(), VisibleRows()), false);
  Post(selected);
}
