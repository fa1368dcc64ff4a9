#include "gui/widgets/progress_bar.h"

#include <algorithm>

#include "gui/draw.h"

void GUI_ProgressBar::Draw() {
  gui::Skin(x, y, gui::kSheet, 96, 64, w, h);
  const int32_t fill = std::clamp(fillWidth, 0, std::max(w, 0));
  if (fill > 0) gui::Skin(x, y, gui::kSheet, 96, 75, fill, h);
}
