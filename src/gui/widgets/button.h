// The plain push button: a host interface fill chosen by width, a centred
// caption, and the shared press machine.
#pragma once

#include <string>

#include "gui/widgets/press_machine.h"

namespace gui {

struct ButtonFills {
  int32_t normal;
  int32_t pressed;
};

// The host's button fills come in three fixed widths; any other width gets
// the stretchable pair.
ButtonFills ButtonFillsForWidth(int32_t width);

}  // namespace gui

class GUI_Button : public GUI_PressElement {
 public:
  GUI_Button(int32_t x, int32_t y, int32_t w, int32_t h, std::string caption, int32_t id);

  void SetCaption(std::string text) { caption = std::move(text); }
  void Draw() override;

  std::string caption;
  int32_t normalElement;
  int32_t pressedElement;
};
