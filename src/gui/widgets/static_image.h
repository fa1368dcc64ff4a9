// A fixed picture: a region of a host graphics sheet, the element's size.
#pragma once

#include "gui/element.h"

class GUI_StaticImage : public GUI_Element {
 public:
  GUI_StaticImage(int32_t x, int32_t y, int32_t w, int32_t h, uint16_t sheet, int32_t srcX,
                  int32_t srcY, int32_t id)
      : GUI_Element(x, y, w, h, id), srcX(srcX), srcY(srcY), sheet(sheet) {}

  void Draw() override;

  int32_t srcX, srcY;
  uint16_t sheet;
};
