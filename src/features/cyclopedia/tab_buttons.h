// The cyclopedia's buttons: the four tab buttons (the open tab is lit) and
// the icon buttons (a sheet-4 picture instead of a caption) of the tracker
// and the page arrows.
#pragma once

#include <cstdint>
#include <string>

#include "gui/widgets/tab_button.h"

class GUI_CyclopediaTabButton : public GUI_TabButton {
 public:
  using GUI_TabButton::GUI_TabButton;
};

class GUI_CyclopediaIconButton : public GUI_CyclopediaTabButton {
 public:
  // The picture (srcX, srcY, iconW x iconH of sheet 4) is centred on the
  // button and moves a pixel while the button is held.
  GUI_CyclopediaIconButton(int32_t x, int32_t y, int32_t w, int32_t h, int32_t srcX, int32_t srcY,
                           int32_t iconW, int32_t iconH, int32_t id);
  void Draw() override;

 private:
  int32_t srcX_, srcY_, iconW_, iconH_;
};
