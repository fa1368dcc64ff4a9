#include "features/hotkeys/auto_switch_hint.h"

#include <algorithm>

#include "gui/draw.h"
#include "gui/screen.h"
#include "gui/text_fit.h"

namespace {

constexpr int32_t kFont = 1;
constexpr int32_t kWrapBelow = 281;  // a line this wide or wider takes its last word down

void DrawHintBox(const std::vector<std::string>& lines, int32_t mouseX, int32_t mouseY) {
  constexpr int32_t kBoxWidth = GUI_HotkeyAutoSwitchHint::kBoxWidth;
  constexpr int32_t kLineHeight = GUI_HotkeyAutoSwitchHint::kLineHeight;
  const int32_t height = static_cast<int32_t>(lines.size()) * kLineHeight + 6;
  const hotkeys::HintBox box = hotkeys::PlaceHintBox(mouseX, mouseY, height, ClientWidth);
  HostFillRectRGB(box.x, box.y, kBoxWidth, height, 0, 0, 0);
  HostFillRectRGB(box.x + 1, box.y + 1, kBoxWidth - 2, height - 2, 192, 192, 192);
  for (size_t i = 0; i < lines.size(); ++i) {
    gui::Text(box.x + 4, box.y + 4 + kLineHeight * static_cast<int32_t>(i), kFont, {63, 63, 63},
              lines[i], 0);
  }
}

}  // namespace

namespace hotkeys {

HintBox PlaceHintBox(int32_t mouseX, int32_t mouseY, int32_t height, int32_t screenW) {
  int32_t x = mouseX;
  if (mouseX + GUI_HotkeyAutoSwitchHint::kBoxWidth > screenW) x = screenW - 293;
  int32_t y = mouseY - height - 5;
  if (y < 5) y = mouseY + 15;
  return {std::max(x, 5), y};
}

}  // namespace hotkeys

GUI_HotkeyAutoSwitchHint::GUI_HotkeyAutoSwitchHint(int32_t x, int32_t y, int32_t w, int32_t h,
                                                   std::string text, int32_t id)
    : GUI_Element(x, y, w, h, id), lines_(gui::WrapText(kFont, text, kWrapBelow - 1)) {}

void GUI_HotkeyAutoSwitchHint::Draw() {
  gui::Skin(x, y, gui::kSheet, 98, 423, 12, 12);
  // Last in the frame, so a feature window drawn later cannot cover it.
  if (hover_.Due(kDelayMs)) {
    gui::DrawOnTop([lines = lines_, mx = hover_.mouseX, my = hover_.mouseY] {
      DrawHintBox(lines, mx, my);
    });
  }
}
