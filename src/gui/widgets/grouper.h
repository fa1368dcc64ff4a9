// The thin frame alone, grouping the elements drawn inside it.
#pragma once

#include "gui/element.h"

class GUI_Grouper : public GUI_Element {
 public:
  using GUI_Element::GUI_Element;  // (x, y, w, h, id)

  void Draw() override;
};
