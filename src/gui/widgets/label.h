// A line of text.
#pragma once

#include <string>

#include "gui/draw.h"
#include "gui/element.h"

class GUI_Label : public GUI_Element {
 public:
  GUI_Label(int32_t x, int32_t y, int32_t w, int32_t h, std::string text, int32_t id, uint8_t r,
            uint8_t g, uint8_t b)
      : GUI_Element(x, y, w, h, id), text(std::move(text)), textColor{r, g, b} {}

  void SetText(std::string value) { text = std::move(value); }
  void Draw() override;

  std::string text;
  int32_t align = 0;  // 0: x is the left edge, 1: x is the centre
  uint8_t font = 1;
  gui::Color textColor;
};

namespace gui {

class Container;

// The label with that id in `container` shows `text`; nothing happens when
// the container is null or holds no such label.
void SetLabelText(const Container* container, int32_t id, std::string text);

}  // namespace gui
