// The behaviour shared by both scroll bars: range and position, arrows, thumb
// drag, paging by ten and the auto-repeat driven from Draw. The leaves only
// draw their pictures.
//
// Along the bar: first arrow (12 pixels), track, second arrow (12 pixels);
// the 12-pixel thumb moves over trackLength = length - 36 pixels.
#pragma once

#include <cstdint>

#include "gui/element.h"
#include "gui/widgets/post_event.h"

namespace gui {

enum class ScrollState : uint8_t {
  Idle = 0,
  FirstArrowHeld = 1,
  SecondArrowHeld = 2,
  DraggingThumb = 3,
  PagingBack = 4,
  PagingForward = 5,
};

enum class Axis : uint8_t { Vertical, Horizontal };

inline constexpr int32_t kScrollPart = 12;        // arrows and thumb are 12 x 12
inline constexpr int32_t kScrollPage = 10;        // steps per page
inline constexpr uint32_t kArrowRepeatMs = 100;   // one step per period while an arrow is held
inline constexpr uint32_t kPageRepeatMs = 200;    // one page per period while the track is held

}  // namespace gui

class GUI_ScrollBar : public GUI_Element, public gui::HandlerSlot {
 public:
  // m <= 0 leaves no range: maximum 0, no thumb, position 0. The position is
  // kept within the new range without an event.
  void SetRange(int32_t m);
  // Clamps p to 0 .. maximum. Posts (handler, code, p) when it changed,
  // unless quiet; quiet always re-places the thumb.
  void SetPosition(int32_t p, bool quiet);

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseMove(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override { state = gui::ScrollState::Idle; }
  void OnWheel(int32_t px, int32_t py, uint8_t up) override { Step(up != 0 ? -1 : 1); }
  // Runs the auto-repeat of a held arrow or track, then draws the pictures.
  void Draw() override;

  float pixelsPerStep = 0;
  float stepsPerPixel = 0;
  uint32_t repeatTime = 0;
  int32_t grabOffset = 0;   // cursor minus thumb start while dragging
  int32_t trackLength = 0;
  int32_t thumbOffset = 0;  // thumb start minus track start
  int32_t position = 0;
  int32_t maximum = 0;
  gui::ScrollState state = gui::ScrollState::Idle;
  int32_t clickPosition = 0;  // where the track was pressed, kept while paging

 protected:
  GUI_ScrollBar(int32_t x, int32_t y, int32_t w, int32_t h, int32_t maximum, int32_t position,
                int32_t id, gui::Axis axis);

  virtual void DrawParts() = 0;

  int32_t Start() const { return axis_ == gui::Axis::Vertical ? y : x; }
  int32_t Length() const { return axis_ == gui::Axis::Vertical ? h : w; }
  int32_t ThumbStart() const { return Start() + gui::kScrollPart + thumbOffset; }

 private:
  int32_t Along(int32_t px, int32_t py) const { return axis_ == gui::Axis::Vertical ? py : px; }
  void Step(int32_t delta) { SetPosition(position + delta, false); }
  bool ThumbReachedClick() const;
  void AutoRepeat(uint32_t now);

  gui::Axis axis_;
};
