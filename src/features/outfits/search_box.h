// GUI_OutfitSearchPlaceholder: the lists' filter box, "Type to search" in
// grey while it is empty.
#pragma once

#include "gui/widgets/hint_text_box.h"

class GUI_OutfitSearchPlaceholder : public GUI_HintTextBox {
 public:
  GUI_OutfitSearchPlaceholder(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
      : GUI_HintTextBox(x, y, w, h, "Type to search", id) {}
};
