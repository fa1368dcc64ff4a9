#include "features/store/row_list.h"

#include <algorithm>

#include "features/store/pieces.h"

GUI_StoreRowList::GUI_StoreRowList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id,
                                   Layout layout, int32_t initialSelection)
    : GUI_Element(x, y, w, h, id),
      selected(initialSelection),
      scrollBar(x + w - kScrollBarW, y, kScrollBarW, h, 0, 0, 0),
      layout_(layout) {
  interactive = 1;
}

int32_t GUI_StoreRowList::VisibleRows() const {
  const int32_t room = h - layout_.lastTopFromBottom - layout_.firstTop;
  return room < 0 ? 0 : room / layout_.pitch + 1;
}

void GUI_StoreRowList::UpdateRange() {
  const int32_t range = std::max(RowCount() - VisibleRows(), 0);
  if (range != scrollBar.maximum) scrollBar.SetRange(range);
}

void GUI_StoreRowList::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar.SetBounds(newX + newW - kScrollBarW, newY, kScrollBarW, newH);
  UpdateRange();
}

void GUI_StoreRowList::OnMouseDown(int32_t px, int32_t py) {
  if (scrollBar.Contains(px, py)) {
    scrollBar.OnMouseDown(px, py);
    return;
  }
  const int32_t left = x + layout_.hitX;
  if (px < left || px > left + HitWidth() || py < FirstTop()) return;
  const int32_t slot = (py - FirstTop()) / layout_.pitch;
  const int32_t top = FirstTop() + slot * layout_.pitch;
  if (py > top + layout_.hitH || slot >= VisibleRows()) return;  // between rows, or below the last
  const int32_t row = FirstRow() + slot;
  if (row >= RowCount()) return;
  selected = row;
  Post(row);
}

void GUI_StoreRowList::OnKeyDown(int32_t key, int32_t) {
  if (key != store::kKeyUp && key != store::kKeyDown) return;
  const int32_t moved = store::StepSelection(selected, RowCount(), key);
  if (moved < 0 || moved == selected) return;
  selected = moved;
  UpdateRange();
  scrollBar.SetPosition(store::ScrollToShow(selected, FirstRow(), VisibleRows()), false);
  Post(selected);
}
