// A button of a server dialog: the toolkit's push button whose click is also
// noted as the dialog's answer the moment it happens (answers.h).
#pragma once

#include "gui/widgets/button.h"

class GUI_AnswerButton : public GUI_Button {
 public:
  using GUI_Button::GUI_Button;

  void OnMouseUp(int32_t px, int32_t py) override;
};
