#include "gui/widgets/press_machine.h"

#include "gui/widgets/post_event.h"

namespace gui {

PressStep StepPress(PressState state, PressInput input, bool inside) {
  switch (input) {
    case PressInput::Down:
      return {PressState::PressedInside, false};
    case PressInput::Move:
      if (state == PressState::Idle) return {PressState::Idle, false};
      return {inside ? PressState::PressedInside : PressState::PressedOutside, false};
    case PressInput::Up:
      return {PressState::Idle, state != PressState::Idle && inside};
  }
  return {state, false};
}

}  // namespace gui

void GUI_PressElement::OnMouseDown(int32_t px, int32_t py) {
  Feed(gui::PressInput::Down, px, py);
}

void GUI_PressElement::OnMouseMove(int32_t px, int32_t py) {
  Feed(gui::PressInput::Move, px, py);
}

void GUI_PressElement::OnMouseUp(int32_t px, int32_t py) { Feed(gui::PressInput::Up, px, py); }

void GUI_PressElement::Feed(gui::PressInput input, int32_t px, int32_t py) {
  const gui::PressStep step = gui::StepPress(pressState, input, Contains(px, py));
  pressState = step.next;
  if (step.click) Post(1);
}
