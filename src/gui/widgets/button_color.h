// A push button with its own face: sheet-4 skin tiles (colour mode 0), a
// solid colour, or one of the coloured textures, each with a bevel. Feature
// tab buttons derive from it and keep its press machine and event.
#pragma once

#include "gui/draw.h"
#include "gui/widgets/button.h"

class GUI_ButtonColor : public GUI_Button {
 public:
  GUI_ButtonColor(int32_t x, int32_t y, int32_t w, int32_t h, std::string caption, int32_t id)
      : GUI_Button(x, y, w, h, std::move(caption), id) {}

  void SetTextColor(uint8_t r, uint8_t g, uint8_t b) { textColor = {r, g, b}; }
  // Also switches to the solid fill.
  void SetFillColor(uint8_t r, uint8_t g, uint8_t b);
  void SetBorderColor(uint8_t r, uint8_t g, uint8_t b) { borderColor = {r, g, b}; }
  // Also switches to the textured fill of that style (1 blue, 2 green, 3 red).
  void SetTexture(int32_t style);
  void SetSelected(bool flag) { selected = flag ? 1 : 0; }
  void SetColorMode(bool flag) { colorMode = flag ? 1 : 0; }

  void Draw() override;

  gui::Color textColor{255, 255, 255};
  gui::Color fillColor{60, 60, 60};
  gui::Color borderColor{120, 120, 120};
  uint8_t colorMode = 0;
  uint8_t border = 1;
  uint8_t selected = 0;  // a selected button keeps the pressed look
  uint8_t textured = 0;
  int32_t textureStyle = 0;
  uint8_t font = 3;

 private:
  void DrawSkinFace(bool pressed);
  void DrawSolidFace(bool pressed);
  void DrawTexturedFace(bool pressed);
};

namespace gui {

// The two looks of a feature button whose action may be unavailable: grey
// levels 70 / 174 / 100 (fill, text, border) when it is available, 60 / 112
// / 90 when not.
void ApplyAvailabilityLook(GUI_ButtonColor& button, bool available);

}  // namespace gui
