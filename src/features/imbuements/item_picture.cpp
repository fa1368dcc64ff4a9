#include "features/imbuements/item_picture.h"

#include "features/imbuements/state.h"
#include "gui/widgets/item_slot.h"

void GUI_ImbuementItemPicture::Draw() {
  gui::DrawItemFrame(x, y);
  gui::DrawItem(x + 1, y + 1, kSize - 2, imbuements::State().itemId);
}
