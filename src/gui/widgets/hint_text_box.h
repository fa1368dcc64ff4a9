// GUI_HintTextBox: a text box that shows a grey hint (for example "Type to
// search") while it is empty, drawn over its own face so the hint shows
// whether or not the box has the focus. Everything else is GUI_TextBox's.
#pragma once

#include <string>

#include "gui/widgets/text_box.h"

class GUI_HintTextBox : public GUI_TextBox {
 public:
  GUI_HintTextBox(int32_t x, int32_t y, int32_t w, int32_t h, std::string hint, int32_t id)
      : GUI_TextBox(x, y, w, h, "", id, 200, 200, 200), hint(std::move(hint)) {}
  void Draw() override;

  std::string hint;
  gui::Color hintColor{120, 120, 120};
};
