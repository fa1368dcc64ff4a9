#include "features/store/category_list.h"

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
    : GUI_RowList(x, y, w, h, id, {kFirstRowY, kRowPitch, kLastTopFromBottom, kBarX, kBarH},
                       0) {
  UpdateRange();
}

int32_t GUI_StoreCategories::RowCount() const {
  return static_cast<int32_t>(store::State().categories.size());
}

void GUI_StoreCategories::Refresh() {
  UpdateRange();
  if (!HasSelection()) selected = 0;
}

bool GUI_StoreCategories::HasSelection() const { return selected >= 0 && selected < RowCount(); }

void GUI_StoreCategories::Draw() {
  // The categories may have been replaced since the last frame.
  UpdateRange();
  auto& categories = store::State().categories;
  int32_t top = FirstTop();
  for (int32_t row = FirstRow(); row < RowCount() && top <= LastTop(); ++row, top += Pitch()) {
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
