// GUI_Choices: the choice list of a server dialog. Rows 12 pixels high,
// 3 pixels inside its frame; a press selects a row, a second press on the
// same row within 500 ms activates it (reported on the release, as a
// button's click is); Up, Down, Page Up, Page Down, Home and End move the
// selection, which stays in view. With more choices than rows, a scroll
// bar at the right and the wheel move through them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/element.h"
#include "gui/widgets/post_event.h"
#include "gui/widgets/v_scroll_bar.h"

class GUI_Choices : public GUI_Element, public gui::HandlerSlot {
 public:
  static constexpr int32_t kRowHeight = 12;
  static constexpr int32_t kInset = 3;
  static constexpr uint32_t kDoubleClickMs = 500;

  // `shownRows` rows are shown at once; the element is 12 x shownRows + 6
  // high. An activation posts (handler, code, 1).
  GUI_Choices(int32_t x, int32_t y, int32_t w, int32_t shownRows, std::vector<std::string> texts,
              int32_t id);

  // The selected choice's index, or -1 with none selected.
  int32_t Selected() const { return selected_; }
  int32_t FirstShown() const { return scrollBar.position; }
  bool Scrolls() const { return static_cast<int32_t>(texts_.size()) > shown_; }

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void Draw() override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;
  void OnMouseMove(int32_t px, int32_t py) override { scrollBar.OnMouseMove(px, py); }
  void OnWheel(int32_t px, int32_t py, uint8_t up) override { scrollBar.OnWheel(px, py, up); }
  void OnKeyDown(int32_t key, int32_t data) override;

  GUI_VScrollBar scrollBar;  // its position is the first row shown

 private:
  int32_t Count() const { return static_cast<int32_t>(texts_.size()); }
  int32_t RowWidth() const;
  // The row under the point, or -1.
  int32_t RowAt(int32_t px, int32_t py) const;
  void Select(int32_t index);

  std::vector<std::string> texts_;
  int32_t shown_;
  int32_t selected_ = -1;
  int32_t lastPressed_ = -1;  // the row of the last press, -1 when none may pair
  uint32_t lastPressTime_ = 0;
  bool activatePending_ = false;
};
