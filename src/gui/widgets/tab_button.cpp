#include "gui/widgets/tab_button.h"

#include <utility>

GUI_TabButton::GUI_TabButton(int32_t x, int32_t y, int32_t w, int32_t h, std::string caption,
                             int32_t id)
    : GUI_ButtonColor(x, y, w, h, std::move(caption), id) {
  gui::ApplyAvailabilityLook(*this, true);
  font = 1;
  interactive = 1;
}

void GUI_TabButton::Draw() {
  if (selected != 0) {
    SetFillColor(100, 100, 100);
    SetTextColor(240, 240, 240);
  } else {
    gui::ApplyAvailabilityLook(*this, true);
  }
  GUI_ButtonColor::Draw();
}
