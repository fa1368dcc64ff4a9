// A framed panel with a textured background.
#pragma once

#include "gui/element.h"

class GUI_Group : public GUI_Element {
 public:
  using GUI_Element::GUI_Element;  // (x, y, w, h, id)

  void Draw() override;
};
