// A coloured tab button of a feature window: the available look while its
// tab is closed, lit (grey 100 with text 240) while `selected` is set.
#pragma once

#include <cstdint>
#include <string>

#include "gui/widgets/button_color.h"

class GUI_TabButton : public GUI_ButtonColor {
 public:
  GUI_TabButton(int32_t x, int32_t y, int32_t w, int32_t h, std::string caption, int32_t id);
  void Draw() override;
};
