// GUI_OutfitStoreButton: the green "Store" button of the outfit window,
// where more outfits and mounts are bought.
#pragma once

#include "gui/widgets/button_color.h"

class GUI_OutfitStoreButton : public GUI_ButtonColor {
 public:
  GUI_OutfitStoreButton(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
      : GUI_ButtonColor(x, y, w, h, "Store", id) {
    SetTexture(2);
    font = 1;
    interactive = 1;
  }
};
