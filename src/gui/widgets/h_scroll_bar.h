// The horizontal scroll bar: arrows at the left and right.
#pragma once

#include "gui/widgets/scroll_bar.h"

class GUI_HScrollBar : public GUI_ScrollBar {
 public:
  GUI_HScrollBar(int32_t x, int32_t y, int32_t w, int32_t h, int32_t maximum, int32_t position,
                 int32_t id)
      : GUI_ScrollBar(x, y, w, h, maximum, position, id, gui::Axis::Horizontal) {}

 protected:
  void DrawParts() override;
};
