#include "features/market/item_list.h"

#include <utility>

#include "features/market/items.h"
#include "features/market/state.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"
#include "gui/widgets/item_slot.h"

namespace {
constexpr int32_t kFirstTop = 1;
constexpr int32_t kFrameX = 2;
}  // namespace

GUI_Objects::GUI_Objects(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_RowList(x, y, w, h, id, {kFirstTop, kRowH, kRowH + kFirstTop, 0, kRowH - 1}, -1) {
  UpdateRange();
}

void GUI_Objects::Show(std::vector<size_t> items, int32_t keepItem) {
  shown = std::move(items);
  selected = -1;
  for (size_t row = 0; row < shown.size(); ++row) {
    if (static_cast<int32_t>(shown[row]) == keepItem) selected = static_cast<int32_t>(row);
  }
  UpdateRange();
  scrollBar.SetPosition(gui::ScrollToShow(selected, 0, VisibleRows()), true);
}

int32_t GUI_Objects::ItemAt(int32_t row) const {
  if (row < 0 || static_cast<size_t>(row) >= shown.size()) return -1;
  return static_cast<int32_t>(shown[static_cast<size_t>(row)]);
}

int32_t GUI_Objects::SelectedItem() const { return ItemAt(selected); }

void GUI_Objects::Draw() {
  HostFillRectRGB(x, y, w, h, 30, 30, 30);
  const std::vector<market::MarketItem>& items = market::MarketItems();
  const market::MarketState& state = market::State();
  const int32_t room = HitWidth() - kNameX - 2;
  int32_t top = FirstTop();
  for (int32_t row = FirstRow(); row < RowCount() && top <= LastTop(); ++row, top += Pitch()) {
    const size_t index = shown[static_cast<size_t>(row)];
    if (index >= items.size()) continue;
    const market::MarketItem& item = items[index];
    if (row == selected) HostFillRectRGB(x + 1, top, HitWidth() - 1, kRowH - 1, 112, 112, 112);
    gui::DrawItemFrame(x + kFrameX, top);
    gui::DrawItem(x + kFrameX + 1, top + 1, kPictureSize, item.objectId);
    const gui::Color colour =
        state.DepotCount(item.tradeId) != 0 ? gui::Grey(255) : gui::Grey(175);
    gui::Text(x + kNameX, top + (kFrameSize - 10) / 2, kFont, colour,
              gui::FitText(kFont, item.name, room), 0);
  }
  scrollBar.Draw();
}
