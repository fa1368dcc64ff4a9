#include "features/analyzer/exp_progress_bar.h"

#include <cstdio>
#include <string>

#include "gui/draw.h"
#include "gui/screen.h"
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
  char text[64];
  if (remaining < 1) {
    std::snprintf(text, sizeof(text), "Level complete!");
  } else {
    std::snprintf(text, sizeof(text), "You have %d percent to go", remaining);
  }
  const int32_t boxW = gui::TextWidth(1, text) + 8;
  const int32_t boxH = 18;
  int32_t boxX = mouseX;
  int32_t boxY = mouseY - 18;
  if (boxX + boxW > ClientWidth) boxX = ClientWidth - boxW - 5;
  if (boxY < 5) boxY = mouseY + 10;
  HostFillRectRGB(boxX, boxY, boxW, boxH, 192, 192, 192);
  Border(boxX, boxY, boxW, boxH);
  gui::Text(boxX + 4, boxY + 4, 1, {63, 63, 63}, text, 0);
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
