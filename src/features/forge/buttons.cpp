#include "features/forge/buttons.h"

#include <utility>

GUI_ExaltationActionButton::GUI_ExaltationActionButton(int32_t x, int32_t y, int32_t w, int32_t h,
                                                       std::string readyCaption,
                                                       std::string unavailableCaption,
                                                       bool (*ready)(), int32_t id)
    : GUI_ButtonColor(x, y, w, h, unavailableCaption, id),
      readyCaption_(std::move(readyCaption)),
      unavailableCaption_(std::move(unavailableCaption)),
      ready_(ready) {
  gui::ApplyAvailabilityLook(*this, false);
  font = 1;
  interactive = 1;
}

void GUI_ExaltationActionButton::Draw() {
  const bool ready = ready_ != nullptr && ready_();
  gui::ApplyAvailabilityLook(*this, ready);
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
