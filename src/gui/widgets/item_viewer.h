// A 34 x 34 item slot showing one item at its normal size.
#pragma once

#include "gui/widgets/item_slot.h"

class GUI_ItemViewer : public GUI_ItemSlot {
 public:
  using GUI_ItemSlot::GUI_ItemSlot;  // (x, y, w, h, itemId, id)

  void Draw() override;
};
