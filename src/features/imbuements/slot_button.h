// One slot of the item in the "Select Slot:" group: "Slot" and its number,
// and under it the imbuement that occupies it or "Empty". The selected
// slot is lit. It reads the slot record live, so a new message 235 shows at
// once; a click posts (code, 1) like any button.
#pragma once

#include <cstdint>

#include "gui/widgets/button_color.h"

class GUI_ImbuementSlot : public GUI_ButtonColor {
 public:
  static constexpr int32_t kWidth = 100, kHeight = 44;

  GUI_ImbuementSlot(int32_t x, int32_t y, uint8_t slot, int32_t id);
  void Draw() override;

  // The name line: the occupying imbuement's name cut to the button, or
  // "Empty"; "" for a slot the item does not have.
  std::string StateText() const;

  uint8_t slot;
};
