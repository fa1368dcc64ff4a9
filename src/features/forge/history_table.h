// The History page's table: a header over at most 20 rows of the current
// page, the row under the mouse lit, and its details in a tooltip once the
// mouse has rested there for a second.
#pragma once

#include <cstdint>

#include "gui/element.h"
#include "gui/tooltip.h"

class GUI_ExaltationHistory : public GUI_Element {
 public:
  static constexpr int32_t kHeaderHeight = 14;
  static constexpr int32_t kRowHeight = 12;
  static constexpr int32_t kMaxRows = 20;
  static constexpr int32_t kDateWidth = 130, kActionWidth = 60, kDetailsWidth = 214;
  static constexpr uint32_t kTooltipDelayMs = 999;

  GUI_ExaltationHistory(int32_t x, int32_t y, int32_t id)
      : GUI_Element(x, y, kDateWidth + kActionWidth + kDetailsWidth,
                    kHeaderHeight + kMaxRows * kRowHeight, id) {}

  void Draw() override;
  void OnMouseMove(int32_t px, int32_t py) override;

 private:
  // The row under (px, py), or -1.
  int32_t RowAt(int32_t px, int32_t py) const;

  int32_t hoveredRow_ = -1;
  gui::HoverTimer hover_;
};
