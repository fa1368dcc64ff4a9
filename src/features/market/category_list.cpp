#include "features/market/category_list.h"

#include "features/market/items.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"

namespace {
constexpr int32_t kFirstTop = 2;
}  // namespace

GUI_Categories::GUI_Categories(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_RowList(x, y, w, h, id, {kFirstTop, kRowH, kRowH + kFirstTop, 0, kRowH - 1}, -1) {
  UpdateRange();
}

int32_t GUI_Categories::RowCount() const {
  return static_cast<int32_t>(market::kCategories.size());
}

void GUI_Categories::Draw() {
  HostFillRectRGB(x, y, w, h, 30, 30, 30);
  const int32_t room = HitWidth() - 2 * kTextX;
  int32_t top = FirstTop();
  for (int32_t row = FirstRow(); row < RowCount() && top <= LastTop(); ++row, top += Pitch()) {
    const bool isSelected = row == selected;
    if (isSelected) HostFillRectRGB(x + 1, top, HitWidth() - 1, kRowH, 112, 112, 112);
    const gui::Color colour = isSelected ? gui::Grey(255) : gui::Grey(190);
    gui::Text(x + kTextX, top + 1, kFont, colour,
              gui::FitText(kFont, market::kCategories[static_cast<size_t>(row)].text, room), 0);
  }
  scrollBar.Draw();
}
