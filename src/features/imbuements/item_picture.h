// The item the window was opened for, in an item slot's frame. It reads the
// item id live, so a new message 235 shows its item at once.
#pragma once

#include "gui/element.h"

class GUI_ImbuementItemPicture : public GUI_Element {
 public:
  static constexpr int32_t kSize = 34;

  GUI_ImbuementItemPicture(int32_t x, int32_t y, int32_t id)
      : GUI_Element(x, y, kSize, kSize, id) {}
  void Draw() override;
};
