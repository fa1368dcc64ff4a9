#include "gui/widgets/face.h"

#include <algorithm>

namespace gui {

void FaceRow(int32_t x, int32_t y, int32_t w, int32_t rowH, int32_t srcX, int32_t srcY) {
  for (int32_t col = 0; col < w; col += kFaceTileWidth) {
    const int32_t tileW = std::min(kFaceTileWidth, w - col);
    Skin(x + col, y, kSheet, srcX + kFaceTileWidth - tileW, srcY, tileW, rowH);
  }
}

void Bevel(int32_t x, int32_t y, int32_t w, int32_t h, Color topLeft, Color bottomRight) {
  HostFillRectRGB(x, y, w, 1, topLeft.r, topLeft.g, topLeft.b);
  HostFillRectRGB(x, y, 1, h, topLeft.r, topLeft.g, topLeft.b);
  HostFillRectRGB(x, y + h - 1, w, 1, bottomRight.r, bottomRight.g, bottomRight.b);
  HostFillRectRGB(x + w - 1, y, 1, h, bottomRight.r, bottomRight.g, bottomRight.b);
}

Color Scaled(Color color, double factor) {
  const auto scale = [factor](uint8_t component) {
    return static_cast<uint8_t>(std::min(255.0, component * factor));
  };
  return {scale(color.r), scale(color.g), scale(color.b)};
}

}  // namespace gui
