#include "features/imbuements/action_button.h"

#include <utility>

namespace imbuements {

void ApplyActionLook(GUI_ButtonColor& button, bool enabled) {
  if (enabled) {
    button.SetFillColor(70, 70, 70);
    button.SetTextColor(174, 174, 174);
    button.SetBorderColor(100, 100, 100);
  } else {
    button.SetFillColor(60, 60, 60);
    button.SetTextColor(112, 112, 112);
    button.SetBorderColor(90, 90, 90);
  }
}

}  // namespace imbuements

GUI_ImbuementActionButton::GUI_ImbuementActionButton(int32_t x, int32_t y, int32_t w, int32_t h,
                                                     std::string caption, bool (*allowed)(),
                                                     int32_t id)
    : GUI_ButtonColor(x, y, w, h, std::move(caption), id), allowed_(allowed) {
  imbuements::ApplyActionLook(*this, false);
  font = 1;
  interactive = 1;
}

void GUI_ImbuementActionButton::Draw() {
  enabled_ = allowed_ != nullptr && allowed_();
  imbuements::ApplyActionLook(*this, enabled_);
  GUI_ButtonColor::Draw();
}
