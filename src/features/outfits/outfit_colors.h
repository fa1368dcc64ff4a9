// GUI_Outfit_Colors: the four part tabs ("Head", "Primary", "Secondary",
// "Detail", 63 x 18 each) choosing which colour of the chosen look is
// edited, and below them the palette, 19 x 7 cells of 13 pixels starting
// 4 pixels right of and 20 below the widget's corner. A colour is chosen
// when the mouse is pressed and released on the same cell; the edited
// part's colour is framed in white.
#pragma once

#include <cstdint>

#include "gui/element.h"

class GUI_Outfit_Colors : public GUI_Element {
 public:
  static constexpr int32_t kTabW = 63, kTabH = 18;
  static constexpr int32_t kGridX = 4, kGridY = 20;

  GUI_Outfit_Colors(int32_t x, int32_t y, int32_t id);

  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;
  void Draw() override;

 private:
  int32_t pressedCell_ = -1;
};
