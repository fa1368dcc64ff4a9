// GUI_MarketSearchPlaceholder: the market's search box, a text box that
// shows the grey hint "Type to search" while it is empty (drawn by the box
// over its own face, so the hint shows whether or not the box has the
// focus). Every change of the text posts the text box's events.
#pragma once

#include "gui/widgets/text_box.h"

namespace market {
inline constexpr const char* kSearchHint = "Type to search";
}  // namespace market

class GUI_MarketSearchPlaceholder : public GUI_TextBox {
 public:

  GUI_MarketSearchPlaceholder(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
      : GUI_TextBox(x, y, w, h, "", id, 200, 200, 200) {}
  void Draw() override;
};
