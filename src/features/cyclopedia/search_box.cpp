#include "features/cyclopedia/search_box.h"

namespace {
constexpr int32_t kReturn = 0x0D;
constexpr int32_t kHintInset = 5;
}  // namespace

GUI_CyclopediaSearchBox::GUI_CyclopediaSearchBox(int32_t x, int32_t y, int32_t w, int32_t h,
                                                 int32_t id)
    : GUI_TextBox(x, y, w, h, "", id, 190, 190, 190) {
  maxLength = kMaxLength;
  interactive = 1;
}

void GUI_CyclopediaSearchBox::OnKeyDown(int32_t key, int32_t data) {
  if (key == kReturn) {
    gui::PostEvent(enterHandler, enterCode, 0);
    return;
  }
  GUI_TextBox::OnKeyDown(key, data);
}

void GUI_CyclopediaSearchBox::Draw() {
  GUI_TextBox::Draw();
  if (!text.empty() || visible == 0) return;
  gui::Text(x + kHintInset, y + kHintInset, font, gui::Color{120, 120, 120}, "Type to search", 0);
}
