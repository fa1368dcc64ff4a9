// The press machine shared by every push button (GUI_Button, GUI_ButtonColor,
// GUI_Icon and the tab buttons features derive from them): one pure step
// function with its table, and a base element that feeds it mouse events.
#pragma once

#include <cstdint>

#include "gui/element.h"
#include "gui/widgets/post_event.h"

namespace gui {

enum class PressState : uint8_t {
  Idle = 0,
  PressedInside = 1,   // pressed on the button, cursor over it
  PressedOutside = 2,  // pressed on the button, cursor dragged off it
};

enum class PressInput : uint8_t { Down, Move, Up };

struct PressStep {
  PressState next;
  bool click;  // the button was released over itself after a press on it
};

// state          | Down          | Move inside   | Move outside   | Up inside    | Up outside
// Idle           | PressedInside | Idle          | Idle           | Idle         | Idle
// PressedInside  | PressedInside | PressedInside | PressedOutside | Idle + click | Idle
// PressedOutside | PressedInside | PressedInside | PressedOutside | Idle + click | Idle
//
// Down is unconditional: the container only offers a press that hit the
// button (Enter and Escape click at the button's own top-left corner).
PressStep StepPress(PressState state, PressInput input, bool inside);

}  // namespace gui

// Holds the handler, its code and the press state; leaves drawing to the leaf.
// A click posts (handler, code, 1).
class GUI_PressElement : public GUI_Element, public gui::HandlerSlot {
 public:
  GUI_PressElement(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
      : GUI_Element(x, y, w, h, id) {}

  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseMove(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;

  // The pressed look: held down with the cursor over the button.
  bool HeldInside() const { return pressState == gui::PressState::PressedInside; }

  gui::PressState pressState = gui::PressState::Idle;

 private:
  void Feed(gui::PressInput input, int32_t px, int32_t py);
};
