#include "gui/widgets/h_scroll_bar.h"

#include "gui/draw.h"

using gui::kScrollPart;
using gui::kSheet;

void GUI_HScrollBar::DrawParts() {
  const bool firstHeld = state == gui::ScrollState::FirstArrowHeld;
  const bool secondHeld = state == gui::ScrollState::SecondArrowHeld;
  gui::TileSkin(x + kScrollPart, y, w - 2 * kScrollPart, kScrollPart, kSheet, 2, 199, 96, 12);
  gui::Skin(x, y, kSheet, firstHeld ? 234 : 232, firstHeld ? 134 : 76, kScrollPart, kScrollPart);
  gui::Skin(x + w - kScrollPart, y, kSheet, secondHeld ? 246 : 244, secondHeld ? 134 : 76,
            kScrollPart, kScrollPart);
  if (maximum != 0) gui::Skin(ThumbStart(), y, kSheet, 220, 64, kScrollPart, kScrollPart);
}
