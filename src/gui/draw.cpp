#include "gui/draw.h"

#include "host/host_functions.h"

namespace gui {

void Fill(int32_t x, int32_t y, int32_t w, int32_t h, int32_t element) {
  HostFillRect(kSurface, x, y, w, h, element, 0, 0);
}

void Skin(int32_t x, int32_t y, int32_t sheet, int32_t srcX, int32_t srcY, int32_t w, int32_t h) {
  HostDrawSkin(kSurface, x, y, sheet, srcX, srcY, w, h);
}

void Text(int32_t x, int32_t y, int32_t font, Color color, const std::string& text,
          int32_t align) {
  HostDrawText(kSurface, x, y, font, color.r, color.g, color.b, text.c_str(), align);
}

int32_t TextWidth(int32_t font, const std::string& text, int32_t length) {
  return HostTextWidth(font, text.c_str(), length, 0);
}

void TileSkin(int32_t x, int32_t y, int32_t w, int32_t h, int32_t sheet, int32_t srcX,
              int32_t srcY, int32_t srcW, int32_t srcH) {
  if (w <= 0 || h <= 0 || srcW <= 0 || srcH <= 0) return;
  for (int32_t row = 0; row < h; row += srcH) {
    const int32_t rowH = h - row < srcH ? h - row : srcH;
    for (int32_t col = 0; col < w; col += srcW) {
      const int32_t colW = w - col < srcW ? w - col : srcW;
      Skin(x + col, y + row, sheet, srcX, srcY, colW, rowH);
    }
  }
}

void ThinFrame(int32_t x, int32_t y, int32_t w, int32_t h) {
  TileSkin(x, y, w, 1, kSheet, 0, 96, 96, 1);
  TileSkin(x, y + 1, 1, h - 1, kSheet, 0, 98, 1, 96);
  TileSkin(x + 1, y + h - 1, w - 1, 1, kSheet, 2, 197, 96, 1);
  TileSkin(x + w - 1, y + 1, 1, h - 2, kSheet, 276, 0, 1, 96);
}

}  // namespace gui

void HostFillRectRGB(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t r, uint8_t g, uint8_t b) {
  HostRendererFill(HostRenderer(), gui::kSurface, x, y, w, h, r, g, b);
}
