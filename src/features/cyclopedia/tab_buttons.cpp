#include "features/cyclopedia/tab_buttons.h"

#include <utility>

GUI_CyclopediaTabButton::GUI_CyclopediaTabButton(int32_t x, int32_t y, int32_t w, int32_t h,
                                                 std::string caption, int32_t id)
    : GUI_ButtonColor(x, y, w, h, std::move(caption), id) {
  gui::ApplyAvailabilityLook(*this, true);
  font = 1;
  interactive = 1;
}

void GUI_CyclopediaTabButton::Draw() {
  if (selected != 0) {
    SetFillColor(100, 100, 100);
    SetTextColor(240, 240, 240);
  } else {
    gui::ApplyAvailabilityLook(*this, true);
  }
  GUI_ButtonColor::Draw();
}

GUI_CyclopediaIconButton::GUI_CyclopediaIconButton(int32_t x, int32_t y, int32_t w, int32_t h,
                                                   int32_t srcX, int32_t srcY, int32_t iconW,
                                                   int32_t iconH, int32_t id)
    : GUI_CyclopediaTabButton(x, y, w, h, "", id),
      srcX_(srcX),
      srcY_(srcY),
      iconW_(iconW),
      iconH_(iconH) {}

void GUI_CyclopediaIconButton::Draw() {
  GUI_CyclopediaTabButton::Draw();
  const int32_t shift = HeldInside() ? 1 : 0;
  gui::Skin(x + (w - iconW_) / 2 + shift, y + (h - iconH_) / 2 + shift, gui::kSheet, srcX_, srcY_,
            iconW_, iconH_);
}
