#include "gui/widgets/v_scroll_bar.h"

#include "gui/draw.h"

using gui::kScrollPart;
using gui::kSheet;

void GUI_VScrollBar::DrawParts() {
  const bool firstHeld = state == gui::ScrollState::FirstArrowHeld;
  const bool secondHeld = state == gui::ScrollState::SecondArrowHeld;
  gui::TileSkin(x, y + kScrollPart, kScrollPart, h - 2 * kScrollPart, kSheet, 264, 0, 12, 96);
  gui::Skin(x, y, kSheet, firstHeld ? 234 : 232, firstHeld ? 122 : 64, kScrollPart, kScrollPart);
  gui::Skin(x, y + h - kScrollPart, kSheet, secondHeld ? 246 : 244, secondHeld ? 122 : 64,
            kScrollPart, kScrollPart);
  if (maximum != 0) gui::Skin(x, ThumbStart(), kSheet, 220, 64, kScrollPart, kScrollPart);
}
