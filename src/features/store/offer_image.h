// GUI_StoreOfferI: the details pane's large picture of the selected offer,
// framed, with the offer's badge at its lower left.
#pragma once

#include <cstdint>

#include "gui/element.h"

class GUI_StoreOfferI : public GUI_Element {
 public:
  GUI_StoreOfferI(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
      : GUI_Element(x, y, w, h, id) {}

  // The frame; inside it the offer's picture scaled to fill it (none while
  // the picture has not arrived) and the badge of its highlight.
  void Draw() override;

  int32_t offerIndex = -1;  // into the state's offers; -1: none
};
