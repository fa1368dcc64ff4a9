// One small picture with every kind of pixel the conversions tell apart,
// and what each renderer kind shows of it, written out by hand.
#pragma once

#include <vector>

#include "sim/dll_host/graphics/shown_picture.h"

namespace sim::dll_host::graphics {

// 3 x 2, blue, green, red, alpha: an opaque colour, opaque magenta (the
// colour key), alpha 0, 128 and 254, opaque white.
inline const DecodedPicture& SamplePicture() {
  static const DecodedPicture picture{
      3, 2, {10, 20, 30, 255, 255, 0,  255, 255, 1,   2,   3,   0,
             40, 50, 60, 128, 70,  80, 90,  254, 255, 255, 255, 255}};
  return picture;
}

// Red, green, blue, alpha.
inline std::vector<uint8_t> ExpectedShown(RendererKind kind) {
  if (kind == RendererKind::DirectDraw) {
    return {30,  20, 10,  255, 254, 0, 254, 255, 255, 0,   255, 0,
            255, 0,  255, 0,   255, 0, 255, 0,   255, 255, 255, 255};
  }
  return {30, 20, 10, 255, 255, 0, 255, 255, 0,   0,   0,   0,
          0,  0,  0,  0,   0,   0, 0,   0,   255, 255, 255, 255};
}

}  // namespace sim::dll_host::graphics
