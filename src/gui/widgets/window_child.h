// A framed, titled panel inside another window: the dialog frame drawn at the
// element's own rectangle, without children of its own.
#pragma once

#include <string>

#include "gui/element.h"

class GUI_WindowChild : public GUI_Element {
 public:
  GUI_WindowChild(int32_t x, int32_t y, int32_t w, int32_t h, std::string title, int32_t id)
      : GUI_Element(x, y, w, h, id), title(std::move(title)) {}

  void Draw() override;

  std::string title;
};
