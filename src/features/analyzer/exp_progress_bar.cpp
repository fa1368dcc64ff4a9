#include "features/analyzer/exp_progress_bar.h"

#include <string>

#include "gui/draw.h"
#include "gui/tooltip.h"
#include "gui/widgets/face.h"
#include "host/handlers.h"

namespace {

// A black one-pixel border inside the rectangle.
void Border(int32_t x, int32_t y, int32_t w, int32_t h) {
  gui::Bevel(x, y, w, h, gui::Grey(0), gui::Grey(0));
}

}  // namespace

void GUI_ExpProgressBar::SetPercent(int32_t p) {
  if (p < 0) p = 0;
  if (p > 100) p = 100;
  percent = p;
  fill = p * 90 / 100;
}

void GUI_ExpProgressBar::Draw() {
  HostFillRectRGB(x, y, w, h, 71, 71, 71);
  if (fill > 0) {
    const int32_t barWidth = w * fill / 90;
    HostFillRectRGB(x, y, barWidth > 0 ? barWidth : 1, h, 0, 192, 0);
  }
  Border(x, y, w, h);
  if (hovered && ClockMillis() - hoverStart >= kTooltipDelayMs) {
    tooltipShown = 1;
  }
  if (tooltipShown) DrawTooltip();
}

void GUI_ExpProgressBar::DrawTooltip() {
  const int32_t remaining = 100 - percent;
  gui::DrawTooltip(mouseX, mouseY,
                   remaining < 1 ? std::string("Level complete!")
                                 : "You have " + std::to_string(remaining) + " percent to go");
}

void GUI_ExpProgressBar::OnMouseMove(int32_t px, int32_t py) {
  mouseX = px;
  mouseY = py;
  if (Contains(px, py)) {
    if (hovered) return;
    hovered = 1;
    hoverStart = ClockMillis();  // valid while hovered, whatever the clock reads
    tooltipShown = 0;
    return;
  }
  hovered = 0;
  hoverStart = 0;
  tooltipShown = 0;
}
