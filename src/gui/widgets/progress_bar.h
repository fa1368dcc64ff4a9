// A bar filled from the left by fillWidth pixels, which the owner sets.
#pragma once

#include "gui/element.h"

class GUI_ProgressBar : public GUI_Element {
 public:
  using GUI_Element::GUI_Element;  // (x, y, w, h, id)

  // The fill is held within the bar: a negative or too large fillWidth draws
  // an empty or a full bar, never outside it.
  void Draw() override;

  int32_t fillWidth = 0;
};
