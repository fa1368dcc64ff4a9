#include "features/server_dialogs/answer_button.h"

#include "features/server_dialogs/answers.h"

void GUI_AnswerButton::OnMouseUp(int32_t px, int32_t py) {
  if (gui::StepPress(pressState, gui::PressInput::Up, Contains(px, py)).click) {
    server_dialogs::NoteAnswer(code);
  }
  GUI_Button::OnMouseUp(px, py);  // queues the click's event
}
