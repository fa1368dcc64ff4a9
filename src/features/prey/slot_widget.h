// The widgets of one prey slot in the prey window: the time bar and the
// slot itself, which draws what its state shows (the active creature with
// its bonus, the choice list, or the locked and inactive looks) and holds
// the slot's buttons.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gui/element.h"
#include "gui/widgets/post_event.h"

// The prey time left as a bar: grey 35, a (148, 100, 0) fill that is full
// from two hours on, and a black frame.
class GUI_PreyProgressBar : public GUI_Element {
 public:
  static constexpr int32_t kWidth = 194, kHeight = 20;

  using GUI_Element::GUI_Element;  // (x, y, w, h, id)
  void Draw() override;

  uint16_t timeLeft = 0;
};

// One slot, 202 x 285. It reads the slot record live. Its buttons act on a
// release over the button they were pressed on: the slot calls its handler
// at once with (code + action, slot index).
class GUI_PreySlot : public GUI_Element, public gui::HandlerSlot {
 public:
  static constexpr int32_t kWidth = 202, kHeight = 285;

  enum Action : int32_t {
    kListReroll = 0,
    kConfirm = 1,
    kBonusReroll = 2,
    kFlag = 3,    // the active bonus flag: show its description
    kPicked = 4,  // a choice was picked: the caption changes
  };

  // The parts of the slot that take a click.
  enum class Part : uint8_t { None, ListReroll, Confirm, BonusReroll, Flag, Choice };
  struct Hit {
    Part part = Part::None;
    int32_t choice = -1;  // for Part::Choice
  };

  GUI_PreySlot(int32_t x, int32_t y, size_t slot, int32_t id);
  void Draw() override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;
  void OnMouseMove(int32_t px, int32_t py) override;
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;

  // What lies under the point for the slot's current state.
  Hit HitAt(int32_t px, int32_t py) const;
  // The choice rows that fit, and the first one shown.
  int32_t VisibleRows() const;

  size_t slot;
  int32_t firstRow = 0;

 private:
  void DrawActive();
  void DrawChoices();
  void DrawButton(Part part, int32_t bx, int32_t by, int32_t bw, int32_t bh);
  void Act(const Hit& hit);

  Hit armed_;
  Hit hovered_;
};
