#include "gui/widgets/item_viewer_custom.h"

#include "gui/draw.h"

void GUI_ItemViewerCustom::Draw() {
  gui::TileSkin(x, y, 64, 64, gui::kSheet, 187, 65, 32, 32);
  gui::ThinFrame(x, y, 64, 64);
  DrawItem(62, {0, 0, 0, 0, 0, 0, 65535, 65535, 0, 0, 0, 0, 0, 0});
}
