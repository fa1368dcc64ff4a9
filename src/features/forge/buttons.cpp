#include "features/forge/buttons.h"

#include <utility>

namespace forge {

void ApplyButtonLook(GUI_ButtonColor& button, bool enabled) {
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

}  // namespace forge

GUI_ExaltationTabButton::GUI_ExaltationTabButton(int32_t x, int32_t y, int32_t w, int32_t h,
                                                 std::string caption, int32_t id)
    : GUI_ButtonColor(x, y, w, h, std::move(caption), id) {
  forge::ApplyButtonLook(*this, true);
  font = 1;
  interactive = 1;
}

void GUI_ExaltationTabButton::Draw() {
  if (selected != 0) {
    SetFillColor(100, 100, 100);
    SetTextColor(240, 240, 240);
  } else {
    forge::ApplyButtonLook(*this, true);
  }
  GUI_ButtonColor::Draw();
}

GUI_ExaltationActionButton::GUI_ExaltationActionButton(int32_t x, int32_t y, int32_t w, int32_t h,
                                                       std::string readyCaption,
                                                       std::string unavailableCaption,
                                                       bool (*ready)(), int32_t id)
    : GUI_ButtonColor(x, y, w, h, unavailableCaption, id),
      readyCaption_(std::move(readyCaption)),
      unavailableCaption_(std::move(unavailableCaption)),
      ready_(ready) {
  forge::ApplyButtonLook(*this, false);
  font = 1;
  interactive = 1;
}

void GUI_ExaltationActionButton::Draw() {
  const bool ready = ready_ != nullptr && ready_();
  forge::ApplyButtonLook(*this, ready);
  SetCaption(ready ? readyCaption_ : unavailableCaption_);
  GUI_ButtonColor::Draw();
}

GUI_ExaltationStoreButton::GUI_ExaltationStoreButton(int32_t x, int32_t y, int32_t w, int32_t h,
                                                     int32_t id)
    : GUI_ButtonColor(x, y, w, h, "Store", id) {
  SetTexture(2);
  font = 1;
  interactive = 1;
}
