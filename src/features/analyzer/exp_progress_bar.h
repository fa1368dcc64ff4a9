// The Exp Tracker's bar towards the next level, with a tooltip after the
// mouse rests on it for half a second.
#pragma once

#include <cstdint>

#include "gui/element.h"

class GUI_ExpProgressBar : public GUI_Element {
 public:
  static constexpr uint32_t kTooltipDelayMs = 500;

  GUI_ExpProgressBar(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
      : GUI_Element(x, y, w, h, id) {}

  void SetPercent(int32_t p);
  void Draw() override;
  void OnMouseMove(int32_t px, int32_t py) override;

  int32_t fill = 0;     // 0..90
  int32_t percent = 0;  // 0..100
  uint8_t hovered = 0;
  int32_t mouseX = 0, mouseY = 0;
  uint32_t hoverStart = 0;
  uint8_t tooltipShown = 0;

 private:
  void DrawTooltip();
};
