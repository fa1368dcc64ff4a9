#include "gui/widgets/button.h"

#include "gui/draw.h"

namespace gui {

ButtonFills ButtonFillsForWidth(int32_t width) {
  switch (width) {
    case 86: return {18, 19};
    case 58: return {16, 17};
    case 43: return {12, 13};
    default: return {14, 15};
  }
}

}  // namespace gui

GUI_Button::GUI_Button(int32_t x, int32_t y, int32_t w, int32_t h, std::string caption,
                       int32_t id)
    : GUI_PressElement(x, y, w, h, id),
      caption(std::move(caption)),
      normalElement(gui::ButtonFillsForWidth(w).normal),
      pressedElement(gui::ButtonFillsForWidth(w).pressed) {}

void GUI_Button::Draw() {
  const bool pressed = HeldInside();
  const int32_t p = pressed ? 1 : 0;
  gui::Fill(x, y, w, h, pressed ? pressedElement : normalElement);
  gui::Text(x + w / 2 + p, y + 7 + p, 3, gui::Color{255, 255, 255}, caption, 1);
}
