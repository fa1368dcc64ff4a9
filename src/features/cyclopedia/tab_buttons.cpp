#include "features/cyclopedia/tab_buttons.h"

#include <utility>

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
