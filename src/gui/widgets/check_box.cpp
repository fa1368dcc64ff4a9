#include "gui/widgets/check_box.h"

#include "gui/widgets/post_event.h"

void GUI_CheckBox::SetChecked(bool value, bool notify) {
  checked = value ? 1 : 0;
  if (notify) Post(checked);
}

void GUI_CheckBox::OnMouseUp(int32_t px, int32_t py) {
  if (!Contains(px, py)) return;
  SetChecked(checked == 0, true);
}

void GUI_CheckBox::Draw() {
  if (noFrame == 0) gui::ThinFrame(x, y, w, h);
  gui::Skin(x + 6, y + 5, gui::kSheet, 308, checked != 0 ? 108 : 96, 12, 12);
  gui::Text(x + 22, y + 6, 1, textColor, caption, 0);
}
