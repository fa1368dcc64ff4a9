#include "gui/widgets/hint_text_box.h"

#include "gui/text_fit.h"

void GUI_HintTextBox::Draw() {
  GUI_TextBox::Draw();
  if (!text.empty()) return;
  gui::Text(x + padding, y + 3, font, hintColor, gui::FitText(font, hint, w - 2 * padding), 0);
}
