#include "sim/render/tiny_digits.h"

namespace sim {
namespace {

// Five rows of three bits per glyph, the high bit on the left.
constexpr uint8_t kGlyphs[16][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7},  // 0 1 2 3
    {5, 5, 7, 1, 1}, {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 2, 2, 2},  // 4 5 6 7
    {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}, {2, 5, 7, 5, 5}, {6, 5, 6, 5, 6},  // 8 9 A B
    {3, 4, 4, 4, 3}, {6, 5, 5, 5, 6}, {7, 4, 6, 4, 7}, {7, 4, 6, 4, 4},  // C D E F
};

int GlyphIndex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

int64_t TinyDigitsWidth(size_t count, int scale) {
  if (count == 0) return 0;
  return (static_cast<int64_t>(count) * 4 - 1) * scale;
}

void DrawTinyDigits(Framebuffer& fb, int64_t x, int64_t y, std::string_view digits, Rgba color,
                    int scale) {
  if (scale < 1) return;
  for (size_t i = 0; i < digits.size(); ++i) {
    const int glyph = GlyphIndex(digits[i]);
    if (glyph < 0) continue;
    const int64_t left = x + static_cast<int64_t>(i) * 4 * scale;
    for (int row = 0; row < 5; ++row) {
      for (int col = 0; col < 3; ++col) {
        if ((kGlyphs[glyph][row] >> (2 - col) & 1) == 0) continue;
        fb.Fill({left + col * scale, y + row * scale, scale, scale}, color);
      }
    }
  }
}

void DrawTinyDigitsCentred(Framebuffer& fb, const Rect& r, std::string_view digits, Rgba color,
                           int maxScale) {
  for (int scale = maxScale; scale >= 1; --scale) {
    const int64_t w = TinyDigitsWidth(digits.size(), scale);
    const int64_t h = TinyDigitsHeight(scale);
    if (w + 2 * scale > r.w || h + 2 > r.h) continue;
    DrawTinyDigits(fb, r.x + (r.w - w) / 2, r.y + (r.h - h) / 2, digits, color, scale);
    return;
  }
}

}  // namespace sim
