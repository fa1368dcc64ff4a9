// The selected slot's object, drawn large beside "Select Object", in a
// framed box.
#pragma once

#include <cstdint>

#include "gui/element.h"

class GUI_HotkeyItemPreview : public GUI_Element {
 public:
  static constexpr int32_t kObjectSize = 62;

  using GUI_Element::GUI_Element;  // (x, y, w, h, id)

  void Draw() override;

  uint32_t objectId = 0;  // 0: nothing is drawn (no row, or no object)
};
