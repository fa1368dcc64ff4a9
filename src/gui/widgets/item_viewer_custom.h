// A 64 x 64 item slot showing one item at double size.
#pragma once

#include "gui/widgets/item_slot.h"

class GUI_ItemViewerCustom : public GUI_ItemSlot {
 public:
  using GUI_ItemSlot::GUI_ItemSlot;  // (x, y, w, h, itemId, id)

  void Draw() override;
};
