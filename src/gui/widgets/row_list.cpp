#include "gui/widgets/row_list.h"

#include <algorithm>

namespace gui {

int32_t StepSelection(int32_t selected, int32_t count, int32_t key) {
  if (count <= 0) return -1;
  int32_t step = 0;
  if (key == kKeyUp) step = -1;
  if (key == kKeyDown) step = 1;
  if (selected < 0 || selected >= count) return step == 0 ? selected : 0;
  return std::clamp(selected + step, 0, count - 1);
}

int32_t ScrollToShow(int32_t selected, int32_t position, int32_t visible) {
  if (selected < 0) return position;
  visible = std::max(visible, 1);
  if (selected > position + visible - 1) return selected - visible + 1;
  if (selected < position) return selected;
  return position;
}

}  // namespace gui


GUI_RowList::GUI_RowList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id,
                                   Layout layout, int32_t initialSelection)
    : GUI_Element(x, y, w, h, id),
      selected(initialSelection),
      scrollBar(x + w - kScrollBarW, y, kScrollBarW, h, 0, 0, 0),
      layout_(layout) {
  interactive = 1;
}

int32_t GUI_RowList::VisibleRows() const {
  const int32_t room = h - layout_.lastTopFromBottom - layout_.firstTop;
  return room < 0 ? 0 : room / layout_.pitch + 1;
}

void GUI_RowList::UpdateRange() {
  const int32_t range = std::max(RowCount() - VisibleRows(), 0);
  if (range != scrollBar.maximum) scrollBar.SetRange(range);
}

void GUI_RowList::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar.SetBounds(newX + newW - kScrollBarW, newY, kScrollBarW, newH);
  UpdateRange();
}

void GUI_RowList::OnMouseDown(int32_t px, int32_t py) {
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

void GUI_RowList::OnKeyDown(int32_t key, int32_t) {
  if (key != gui::kKeyUp && key != gui::kKeyDown) return;
  const int32_t moved = gui::StepSelection(selected, RowCount(), key);
  if (moved < 0 || moved == selected) return;
  selected = moved;
  UpdateRange();
  scrollBar.SetPosition(gui::ScrollToShow(selected, FirstRow(), VisibleRows()), false);
  Post(selected);
}
