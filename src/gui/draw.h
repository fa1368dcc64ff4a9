// Drawing primitives of the toolkit, on top of the host's drawing functions.
// Every call draws on surface 1.
#pragma once

#include <cstdint>
#include <string>

namespace gui {

inline constexpr int32_t kSurface = 1;
inline constexpr int32_t kSheet = 4;  // the host sheet with all toolkit pieces

struct Color {
  uint8_t r = 0, g = 0, b = 0;
};

// One of the host's numbered interface fills stretched into the rectangle.
void Fill(int32_t x, int32_t y, int32_t w, int32_t h, int32_t element);
// A rectangle of sheet `sheet` copied to (x, y).
void Skin(int32_t x, int32_t y, int32_t sheet, int32_t srcX, int32_t srcY, int32_t w, int32_t h);
void Text(int32_t x, int32_t y, int32_t font, Color color, const std::string& text,
          int32_t align);
int32_t TextWidth(int32_t font, const std::string& text, int32_t length);
inline int32_t TextWidth(int32_t font, const std::string& text) {
  return TextWidth(font, text, static_cast<int32_t>(text.size()));
}

// Covers the rectangle row by row, left to right, with copies of the source
// region, clipping the last column and row to what remains.
void TileSkin(int32_t x, int32_t y, int32_t w, int32_t h, int32_t sheet, int32_t srcX,
              int32_t srcY, int32_t srcW, int32_t srcH);

// The thin frame: four one-pixel lines tiled from sheet 4.
void ThinFrame(int32_t x, int32_t y, int32_t w, int32_t h);

}  // namespace gui

// A solid fill through the host renderer.
void HostFillRectRGB(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t r, uint8_t g, uint8_t b);
