// GUI_HotkeyAutoSwitchHint: a small picture beside the auto-switch box; the
// mouse resting on it for a second shows what auto-switch does, in a
// word-wrapped grey box near the mouse.
#pragma once

#include <string>
#include <vector>

#include "gui/element.h"
#include "gui/tooltip.h"

class GUI_HotkeyAutoSwitchHint : public GUI_Element {
 public:
  static constexpr uint32_t kDelayMs = 1000;
  static constexpr int32_t kBoxWidth = 288;
  static constexpr int32_t kLineHeight = 16;

  GUI_HotkeyAutoSwitchHint(int32_t x, int32_t y, int32_t w, int32_t h, std::string text, int32_t id);

  void OnMouseMove(int32_t px, int32_t py) override { hover_.Track(Contains(px, py), px, py); }
  void Draw() override;

 private:
  std::vector<std::string> lines_;
  gui::HoverTimer hover_;
};

namespace hotkeys {

// The tooltip's top left for a box of `height` at the mouse, kept on a
// screen `screenW` wide.
struct HintBox {
  int32_t x, y;
};
HintBox PlaceHintBox(int32_t mouseX, int32_t mouseY, int32_t height, int32_t screenW);

}  // namespace hotkeys
