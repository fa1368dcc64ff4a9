#include "gui/tooltip.h"

#include "gui/draw.h"
#include "gui/screen.h"
#include "gui/widgets/face.h"
#include "host/handlers.h"

namespace gui {

void DrawTooltip(int32_t mouseX, int32_t mouseY, const std::string& text) {
  const int32_t boxW = TextWidth(1, text) + 8;
  const int32_t boxH = 18;
  int32_t boxX = mouseX;
  int32_t boxY = mouseY - 18;
  if (boxX + boxW > ClientWidth) boxX = ClientWidth - boxW - 5;
  if (boxY < 5) boxY = mouseY + 10;
  HostFillRectRGB(boxX, boxY, boxW, boxH, 192, 192, 192);
  Bevel(boxX, boxY, boxW, boxH, Grey(0), Grey(0));
  Text(boxX + 4, boxY + 4, 1, Grey(63), text, 0);
}

void HoverTimer::Track(bool inside, int32_t px, int32_t py) {
  mouseX = px;
  mouseY = py;
  if (inside && !hovered_) since_ = ClockMillis();
  hovered_ = inside;
}

bool HoverTimer::Due(uint32_t delayMs) const {
  return hovered_ && ClockMillis() - since_ > delayMs;
}

}  // namespace gui
