#include "gui/widgets/group.h"

#include "gui/draw.h"

void GUI_Group::Draw() {
  gui::TileSkin(x + 1, y + 1, w - 2, h - 2, gui::kSheet, 316, 33, 32, 19);
  gui::ThinFrame(x, y, w, h);
}
