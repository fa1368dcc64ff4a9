// The time an occupied slot has left: the toolkit's time bar filled by
// min(remaining, duration) / duration, with the remaining time as
// "HH:MM:SS" centred over it in white. Nothing is drawn while the duration
// is 0 (an imbuement without a running time).
#pragma once

#include <cstdint>

#include "gui/element.h"

class GUI_ImbuementProgressBar : public GUI_Element {
 public:
  using GUI_Element::GUI_Element;  // (x, y, w, h, id)
  void Draw() override;

  uint32_t remaining = 0;  // seconds
  uint32_t duration = 0;   // seconds; 0 hides the bar
};
