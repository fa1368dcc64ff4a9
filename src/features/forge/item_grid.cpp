#include "features/forge/item_grid.h"

#include <algorithm>

#include "gui/draw.h"
#include "gui/widgets/item_slot.h"
#include "gui/widgets/v_scroll_bar.h"
#include "host/host_functions.h"
#include "host/tier_badge.h"

namespace forge {

void DrawItemCell(int32_t x, int32_t y, uint16_t displayId, uint32_t tier, bool selected) {
  gui::DrawItemFrame(x, y);
  gui::DrawItem(x + 1, y + 1, 32, displayId);
  host::DrawTierBadge(gui::kSurface, x + 1, y + 1, tier);
  if (!selected) return;
  HostFillRectRGB(x, y, 34, 1, 255, 255, 255);
  HostFillRectRGB(x, y + 33, 34, 1, 255, 255, 255);
  HostFillRectRGB(x, y, 1, 34, 255, 255, 255);
  HostFillRectRGB(x + 33, y, 1, 34, 255, 255, 255);
}

int32_t GridScrollRange(size_t count) {
  const size_t rows = (count + GUI_ExaltationItemGrid::kColumns - 1) /
                      GUI_ExaltationItemGrid::kColumns;
  return static_cast<int32_t>(std::max<size_t>(rows, GUI_ExaltationItemGrid::kVisibleRows) -
                              GUI_ExaltationItemGrid::kVisibleRows);
}

}  // namespace forge

GUI_ExaltationItemGrid::GUI_ExaltationItemGrid(int32_t x, int32_t y, forge::GridList list,
                                               GUI_VScrollBar* scrollBar, int32_t id)
    : GUI_Element(x, y, kColumns * kCell, kVisibleRows * kCell, id),
      list_(list),
      scrollBar_(scrollBar) {
  interactive = 1;
}

const std::vector<forge::ForgeItem>& GUI_ExaltationItemGrid::Items() const {
  forge::ForgeState& state = forge::State();
  switch (list_) {
    case forge::GridList::Sources: return state.transferSources;
    case forge::GridList::Targets: return state.transferTargets;
    default: return state.fusionItems;
  }
}

forge::Selection& GUI_ExaltationItemGrid::Selected() const {
  forge::ForgeState& state = forge::State();
  switch (list_) {
    case forge::GridList::Sources: return state.selectedSource;
    case forge::GridList::Targets: return state.selectedTarget;
    default: return state.selectedFusion;
  }
}

int32_t GUI_ExaltationItemGrid::FirstRow() const {
  return scrollBar_ != nullptr ? scrollBar_->position : 0;
}

void GUI_ExaltationItemGrid::Draw() {
  const std::vector<forge::ForgeItem>& items = Items();
  // The list changes with every message; the range follows it.
  if (scrollBar_ != nullptr) scrollBar_->SetRange(forge::GridScrollRange(items.size()));
  const forge::Selection selected = Selected();
  for (int32_t row = 0; row < kVisibleRows; ++row) {
    for (int32_t column = 0; column < kColumns; ++column) {
      const size_t index = static_cast<size_t>(column + (row + FirstRow()) * kColumns);
      const int32_t cellX = x + column * kCell, cellY = y + row * kCell;
      if (index >= items.size()) {
        gui::DrawItemFrame(cellX, cellY);
        continue;
      }
      const forge::ForgeItem& item = items[index];
      forge::DrawItemCell(cellX, cellY, item.displayId, item.tier, selected == index);
    }
  }
}

void GUI_ExaltationItemGrid::OnMouseDown(int32_t px, int32_t py) {
  const int32_t column = (px - x) / kCell, row = (py - y) / kCell;
  if (px < x || py < y || column >= kColumns || row >= kVisibleRows) return;
  const size_t index = static_cast<size_t>(column + (row + FirstRow()) * kColumns);
  if (index >= Items().size()) return;
  Selected() = index;
  Post(static_cast<int32_t>(index));
}

void GUI_ExaltationItemGrid::OnWheel(int32_t px, int32_t py, uint8_t up) {
  if (scrollBar_ != nullptr) scrollBar_->OnWheel(px, py, up);
}
