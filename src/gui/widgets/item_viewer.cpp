#include "gui/widgets/item_viewer.h"

#include "gui/draw.h"

void GUI_ItemViewer::Draw() {
  gui::DrawItemFrame(x, y);
  DrawItem(32, gui::kUntintedItem);
}
