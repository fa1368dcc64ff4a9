// GUI_RowList: the behaviour of a list of rows at a fixed pitch with a
// selection and a scroll bar at its right edge; the leaves draw the rows.
// Rows stand at a fixed pitch from a first top, and a row is shown while its
// top stays within the list's last top; the scroll bar holds the first shown
// row. A press on a row's hit area selects it and posts (handler, code,
// row); presses on the scroll bar, releases, moves and the wheel go to the
// bar. Up and Down move the selection one row (clamped), scroll it into view
// and post as a press does; at either end, where the selection cannot move,
// nothing is posted.
#pragma once

#include <cstdint>

#include "gui/element.h"
#include "gui/widgets/post_event.h"
#include "gui/widgets/v_scroll_bar.h"

namespace gui {

// Keys the lists react to (virtual-key codes).
inline constexpr int32_t kKeyUp = 0x26;
inline constexpr int32_t kKeyDown = 0x28;

// Up and Down move a list's selection one entry, clamped to 0 .. count - 1;
// any other key leaves it. An empty list has no selection (-1); a list
// without a selection gets its first entry.
int32_t StepSelection(int32_t selected, int32_t count, int32_t key);

// The first shown entry that keeps `selected` in view with `visible` entries
// shown from `position`: a selection below the last shown entry puts it
// last (selected - visible + 1), one above the first shown puts it first;
// else the position stays. At least one entry counts as shown.
int32_t ScrollToShow(int32_t selected, int32_t position, int32_t visible);

}  // namespace gui

class GUI_RowList : public GUI_Element, public gui::HandlerSlot {
 public:
  static constexpr int32_t kScrollBarW = 12;

  struct Layout {
    int32_t firstTop;           // the first row's top, below the list's top
    int32_t pitch;              // from one row's top to the next
    int32_t lastTopFromBottom;  // a row's top is at most y + h - this
    int32_t hitX, hitH;         // a row's hit area: from x + hitX, hitH high
  };

  // How many rows fit.
  int32_t VisibleRows() const;
  // The first shown row.
  int32_t FirstRow() const { return scrollBar.position; }

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override { scrollBar.OnMouseUp(px, py); }
  void OnMouseMove(int32_t px, int32_t py) override { scrollBar.OnMouseMove(px, py); }
  void OnWheel(int32_t px, int32_t py, uint8_t up) override { scrollBar.OnWheel(px, py, up); }
  void OnKeyDown(int32_t key, int32_t data) override;

  int32_t selected;
  GUI_VScrollBar scrollBar;  // the first shown row is its position

 protected:
  GUI_RowList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id, Layout layout,
              int32_t initialSelection);

  virtual int32_t RowCount() const = 0;
  // The width of a row's hit area.
  virtual int32_t HitWidth() const = 0;

  // The scroll range follows the row count.
  void UpdateRange();
  // The top of the first shown row, and the last top a shown row may have.
  int32_t FirstTop() const { return y + layout_.firstTop; }
  int32_t LastTop() const { return y + h - layout_.lastTopFromBottom; }
  int32_t Pitch() const { return layout_.pitch; }

 private:
  Layout layout_;
};
