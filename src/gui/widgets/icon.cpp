#include "gui/widgets/icon.h"

#include "gui/draw.h"

void GUI_Icon::Draw() {
  const bool pressed = HeldInside();
  gui::Skin(x, y, sheet, pressed ? pressedSrcX : normalSrcX, pressed ? pressedSrcY : normalSrcY, w,
            h);
}
