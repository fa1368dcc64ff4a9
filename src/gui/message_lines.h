// The lines of a message too long for the screen: as many as fit are shown,
// 14 pixels apart, with a scroll bar right of them. The wheel, the bar and
// the arrow, page, Home and End keys move through the rest, so no line of
// the message is ever left out.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gui/element.h"
#include "gui/widgets/v_scroll_bar.h"

class GUI_MessageLines : public GUI_Element {
 public:
  static constexpr int32_t kLineHeight = 14;
  static constexpr int32_t kScrollBarGap = 3;
  static constexpr int32_t kScrollBarW = 12;

  // (x, y) is the first line's top left, `textWidth` the lines' width and
  // `shown` how many lines are shown at once; the lines become the pane's.
  // The element spans the text and the bar right of it.
  GUI_MessageLines(int32_t x, int32_t y, int32_t textWidth, int32_t shown,
                   std::vector<std::unique_ptr<GUI_Element>> lines);

  int32_t FirstLine() const { return scrollBar.position; }
  int32_t ShownLines() const { return shown_; }

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override { scrollBar.OnMouseUp(px, py); }
  void OnMouseMove(int32_t px, int32_t py) override { scrollBar.OnMouseMove(px, py); }
  void OnWheel(int32_t px, int32_t py, uint8_t up) override { scrollBar.OnWheel(px, py, up); }
  void OnKeyDown(int32_t key, int32_t data) override;
  // Places the shown lines under the pane's top and draws them, then the bar.
  void Draw() override;

  GUI_VScrollBar scrollBar;  // its position is the first line shown

 private:
  std::vector<std::unique_ptr<GUI_Element>> lines_;
  int32_t shown_;
};
