#include "sim/dll_host/graphics/texture_record.h"

#include <memory>
#include <utility>

namespace sim::dll_host::graphics {
namespace {

constexpr uint32_t kColourMask = 0xFFFFFF;

DrawnPicture Blank(const PixelRows& rows) {
  DrawnPicture picture;
  picture.width = rows.width;
  picture.height = rows.height;
  picture.rgba.resize(size_t(rows.width) * size_t(rows.height) * 4);
  return picture;
}

const uint8_t* Pixel(const PixelRows& rows, int32_t x, int32_t y) {
  return rows.bits + ptrdiff_t(rows.pitch) * y + ptrdiff_t(x) * 4;
}

}  // namespace

void RecordTextureDraw(TextureDraw draw) {
  DrawCall call;
  call.name = kTextureDraw;
  call.args = {
      draw.surface, draw.smooth, draw.x, draw.y, draw.w, draw.h, static_cast<int32_t>(draw.kind)};
  call.picture = std::make_shared<const DrawnPicture>(std::move(draw.picture));
  PushDraw(std::move(call));
}

DrawnPicture PictureFromX8R8G8B8(const PixelRows& rows, std::optional<ColourKeyRange> key) {
  DrawnPicture picture = Blank(rows);
  uint8_t* out = picture.rgba.data();
  for (int32_t y = 0; y < rows.height; ++y) {
    for (int32_t x = 0; x < rows.width; ++x, out += 4) {
      const uint8_t* p = Pixel(rows, x, y);
      const uint32_t colour = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
      const bool keyed = key.has_value() && colour >= (key->low & kColourMask) &&
                         colour <= (key->high & kColourMask);
      out[0] = p[2];
      out[1] = p[1];
      out[2] = p[0];
      out[3] = keyed ? 0 : 255;
    }
  }
  return picture;
}

DrawnPicture PictureFromA8R8G8B8(const PixelRows& rows) {
  DrawnPicture picture = Blank(rows);
  uint8_t* out = picture.rgba.data();
  for (int32_t y = 0; y < rows.height; ++y) {
    for (int32_t x = 0; x < rows.width; ++x, out += 4) {
      const uint8_t* p = Pixel(rows, x, y);
      out[0] = p[2];
      out[1] = p[1];
      out[2] = p[0];
      out[3] = p[3];
    }
  }
  return picture;
}

}  // namespace sim::dll_host::graphics
