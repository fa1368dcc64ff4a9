#include "gui/time_bar.h"

#include <algorithm>

#include "gui/draw.h"
#include "gui/widgets/face.h"

namespace gui {

int32_t TimeBarValue(int32_t percent) { return std::clamp(percent, 0, 100) * kTimeBarScale / 100; }

int32_t TimeBarFill(int32_t width, int32_t value) {
  if (value <= 0 || width <= 0) return 0;
  return std::max(1, width * std::min(value, kTimeBarScale) / kTimeBarScale);
}

void DrawTimeBar(int32_t x, int32_t y, int32_t w, int32_t h, int32_t value) {
  HostFillRectRGB(x, y, w, h, 35, 35, 35);
  const int32_t fill = TimeBarFill(w, value);
  if (fill > 0) HostFillRectRGB(x, y, fill, h, 148, 100, 0);
  Bevel(x, y, w, h, Grey(0), Grey(0));
}

}  // namespace gui
