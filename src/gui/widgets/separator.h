// A horizontal rule tiled over the element's rectangle.
#pragma once

#include "gui/element.h"

class GUI_Separator : public GUI_Element {
 public:
  using GUI_Element::GUI_Element;  // (x, y, w, h, id)

  void Draw() override;
};
