// A push button drawn as a picture from a host sheet: one region while held
// down, another otherwise.
#pragma once

#include "gui/widgets/press_machine.h"

class GUI_Icon : public GUI_PressElement {
 public:
  GUI_Icon(int32_t x, int32_t y, int32_t w, int32_t h, uint16_t sheet, int32_t normalSrcX,
           int32_t normalSrcY, int32_t pressedSrcX, int32_t pressedSrcY, int32_t id)
      : GUI_PressElement(x, y, w, h, id),
        normalSrcX(normalSrcX),
        pressedSrcX(pressedSrcX),
        normalSrcY(normalSrcY),
        pressedSrcY(pressedSrcY),
        sheet(sheet) {}

  void Draw() override;

  int32_t normalSrcX, pressedSrcX, normalSrcY, pressedSrcY;
  uint16_t sheet;
};
