#include "gui/widgets/item_viewer.h"

#include "gui/draw.h"

void GUI_ItemViewer::Draw() {
  gui::Skin(x, y, gui::kSheet, 186, 64, 34, 34);
  // Untinted: the host's colour and light arguments at full white.
  DrawItem(32, {0, 255, 255, 255, 0, 0, 65535, 65535, 0, 255, 255, 255, 0, 0});
}
