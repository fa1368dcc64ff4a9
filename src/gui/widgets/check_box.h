// A check box with a caption. A release over it toggles it (no press on it is
// needed) and posts (handler, code, new state).
#pragma once

#include <string>

#include "gui/draw.h"
#include "gui/element.h"
#include "gui/widgets/post_event.h"

class GUI_CheckBox : public GUI_Element, public gui::HandlerSlot {
 public:
  GUI_CheckBox(int32_t x, int32_t y, int32_t w, int32_t h, std::string caption, bool checked,
               int32_t id, uint8_t r, uint8_t g, uint8_t b)
      : GUI_Element(x, y, w, h, id),
        caption(std::move(caption)),
        textColor{r, g, b},
        checked(checked ? 1 : 0) {}

  // Posts the new state only with notify.
  void SetChecked(bool value, bool notify);

  void OnMouseUp(int32_t px, int32_t py) override;
  void Draw() override;

  std::string caption;
  gui::Color textColor;
  uint8_t checked;
  uint8_t noFrame = 0;
};
