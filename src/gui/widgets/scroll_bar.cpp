#include "gui/widgets/scroll_bar.h"

#include <algorithm>

#include "gui/widgets/post_event.h"
#include "host/handlers.h"

using gui::kScrollPart;
using gui::ScrollState;

GUI_ScrollBar::GUI_ScrollBar(int32_t x, int32_t y, int32_t w, int32_t h, int32_t maximum,
                             int32_t position, int32_t id, gui::Axis axis)
    : GUI_Element(x, y, w, h, id), axis_(axis) {
  SetRange(maximum);
  SetPosition(position, true);
}

void GUI_ScrollBar::SetRange(int32_t m) {
  // A bar shorter than its two arrows and thumb has no track; the ratios stay
  // 0 then instead of dividing by zero.
  trackLength = std::max(Length() - 3 * kScrollPart, 0);
  if (m <= 0 || trackLength == 0) {
    maximum = std::max(m, 0);
    pixelsPerStep = 0;
    stepsPerPixel = 0;
  } else {
    maximum = m;
    pixelsPerStep = static_cast<float>(trackLength) / static_cast<float>(m);
    stepsPerPixel = static_cast<float>(m) / static_cast<float>(trackLength);
  }
  SetPosition(position, true);
}

void GUI_ScrollBar::SetPosition(int32_t p, bool quiet) {
  p = std::clamp(p, 0, maximum);
  if (p == position && !quiet) return;
  // Float arithmetic, rounded to float before it is cut: at the last
  // position the thumb lands exactly at the end of the track.
  const float offset = static_cast<float>(p) * pixelsPerStep;
  thumbOffset = std::clamp(static_cast<int32_t>(offset), 0, trackLength);
  position = p;
  if (!quiet) Post(p);
}

void GUI_ScrollBar::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  SetRange(maximum);  // the track length follows the size
}

void GUI_ScrollBar::OnMouseDown(int32_t px, int32_t py) {
  const int32_t along = Along(px, py);
  const uint32_t now = ClockMillis();
  if (along <= Start() + kScrollPart) {
    state = ScrollState::FirstArrowHeld;
    repeatTime = now;
    Step(-1);
    return;
  }
  if (along >= Start() + Length() - kScrollPart) {
    state = ScrollState::SecondArrowHeld;
    repeatTime = now;
    Step(1);
    return;
  }
  const int32_t thumb = ThumbStart();
  if (maximum != 0 && along >= thumb && along <= thumb + kScrollPart) {
    state = ScrollState::DraggingThumb;
    grabOffset = along - thumb;
    return;
  }
  clickPosition = along;
  repeatTime = now;
  if (along > thumb) {
    state = ScrollState::PagingForward;
    Step(gui::kScrollPage);
  } else {
    state = ScrollState::PagingBack;
    Step(-gui::kScrollPage);
  }
}

void GUI_ScrollBar::OnMouseMove(int32_t px, int32_t py) {
  if (state != ScrollState::DraggingThumb) return;
  const float steps =
      static_cast<float>(Along(px, py) - grabOffset - Start() - kScrollPart) * stepsPerPixel;
  // Clamp before converting: a cursor far off the bar must not overflow.
  const int32_t p = steps <= 0 ? 0
                    : steps >= static_cast<float>(maximum) ? maximum
                                                           : static_cast<int32_t>(steps);
  SetPosition(p, false);
}

void GUI_ScrollBar::Draw() {
  AutoRepeat(ClockMillis());
  DrawParts();
}

// The thumb's leading edge has reached the point where the track was pressed.
bool GUI_ScrollBar::ThumbReachedClick() const {
  if (state == ScrollState::PagingForward) return ThumbStart() + kScrollPart >= clickPosition;
  return ThumbStart() <= clickPosition;
}

void GUI_ScrollBar::AutoRepeat(uint32_t now) {
  switch (state) {
    case ScrollState::FirstArrowHeld:
    case ScrollState::SecondArrowHeld:
      if (now - repeatTime < gui::kArrowRepeatMs) return;
      repeatTime = now;
      Step(state == ScrollState::FirstArrowHeld ? -1 : 1);
      return;
    case ScrollState::PagingBack:
    case ScrollState::PagingForward:
      if (now - repeatTime >= gui::kPageRepeatMs) {
        repeatTime = now;
        Step(state == ScrollState::PagingBack ? -gui::kScrollPage : gui::kScrollPage);
      }
      // Once the thumb is under the held button, holding on turns into a drag
      // from that point.
      if (ThumbReachedClick()) {
        state = ScrollState::DraggingThumb;
        grabOffset = clickPosition - ThumbStart();
      }
      return;
    case ScrollState::Idle:
    case ScrollState::DraggingThumb:
      return;
  }
}
