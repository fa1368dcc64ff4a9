#include "features/imbuements/action_button.h"

#include <utility>

GUI_ImbuementActionButton::GUI_ImbuementActionButton(int32_t x, int32_t y, int32_t w, int32_t h,
                                                     std::string caption, bool (*allowed)(),
                                                     int32_t id)
    : GUI_ButtonColor(x, y, w, h, std::move(caption), id), allowed_(allowed) {
  gui::ApplyAvailabilityLook(*this, false);
  font = 1;
  interactive = 1;
}

void GUI_ImbuementActionButton::Draw() {
  enabled_ = allowed_ != nullptr && allowed_();
  gui::ApplyAvailabilityLook(*this, enabled_);
  GUI_ButtonColor::Draw();
}
