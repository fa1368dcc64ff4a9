#include "gui/widgets/button_color.h"

#include <algorithm>

#include "gui/widgets/face.h"

namespace {

struct TextureStyle {
  int32_t srcX, srcY;
  gui::Color light, dark;
};

TextureStyle StyleOf(int32_t style) {
  switch (style) {
    case 1: return {152, 408, {46, 104, 152}, {17, 42, 62}};
    case 2: return {169, 480, {82, 147, 82}, {28, 49, 28}};
    case 3: return {199, 480, {126, 72, 72}, {55, 26, 26}};
    default: return {0, 0, gui::Grey(111), gui::Grey(49)};
  }
}

constexpr int32_t kFirstRowHeight = 19;
constexpr int32_t kNextRowHeight = 17;  // later rows skip the face's top two lines

}  // namespace

void GUI_ButtonColor::SetFillColor(uint8_t r, uint8_t g, uint8_t b) {
  fillColor = {r, g, b};
  colorMode = 1;
  textured = 0;
}

void GUI_ButtonColor::SetTexture(int32_t style) {
  textureStyle = style;
  colorMode = 1;
  textured = 1;
}

void GUI_ButtonColor::Draw() {
  const bool pressed = HeldInside() || selected != 0;
  if (colorMode == 0) {
    DrawSkinFace(pressed);
  } else if (textured != 0) {
    DrawTexturedFace(pressed);
  } else {
    DrawSolidFace(pressed);
  }
  const int32_t p = pressed ? 1 : 0;
  gui::Text(x + w / 2 + p, y + h / 2 - 4, font, textColor, caption, 1);
}

void GUI_ButtonColor::DrawSkinFace(bool pressed) {
  gui::FaceRow(x, y, w, kFirstRowHeight, 0, 0);
  const gui::Color light = gui::Grey(111), dark = gui::Grey(49);
  gui::Bevel(x, y, w, h, pressed ? dark : light, pressed ? light : dark);
}

void GUI_ButtonColor::DrawSolidFace(bool pressed) {
  const gui::Color face = pressed ? gui::Scaled(fillColor, 0.9) : fillColor;
  HostFillRectRGB(x, y, w, h, face.r, face.g, face.b);
  if (border == 0) return;
  const gui::Color light = gui::Scaled(borderColor, 1.1), dark = gui::Scaled(borderColor, 0.5);
  gui::Bevel(x, y, w, h, pressed ? dark : light, pressed ? light : dark);
}

void GUI_ButtonColor::DrawTexturedFace(bool pressed) {
  const TextureStyle style = StyleOf(textureStyle);
  gui::FaceRow(x, y, w, std::min(h, kFirstRowHeight), style.srcX, style.srcY);
  for (int32_t row = kFirstRowHeight; row < h; row += kNextRowHeight) {
    gui::FaceRow(x, y + row, w, std::min(kNextRowHeight, h - row), style.srcX, style.srcY + 2);
  }
  if (border == 0) return;
  gui::Bevel(x, y, w, h, pressed ? style.dark : style.light, pressed ? style.light : style.dark);
}

namespace gui {

void ApplyAvailabilityLook(GUI_ButtonColor& button, bool available) {
  const uint8_t fill = available ? 70 : 60;
  const uint8_t text = available ? 174 : 112;
  const uint8_t border = available ? 100 : 90;
  button.SetFillColor(fill, fill, fill);
  button.SetTextColor(text, text, text);
  button.SetBorderColor(border, border, border);
}

}  // namespace gui
