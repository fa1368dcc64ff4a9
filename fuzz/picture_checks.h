// What a decoded picture promises, whichever way it was decoded: it is not
// empty, within the largest side the textures take, and its pixels fill it
// exactly, four bytes each.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gui/texture/png_image.h"

namespace fuzz {

// The rule the picture breaks, or nullptr when it keeps them all.
inline const char* BrokenPictureRule(const gui::DecodedImage& image) {
  if (image.width <= 0 || image.height <= 0) return "an empty picture decoded";
  if (static_cast<uint32_t>(image.width) > gui::kMaxTextureSide ||
      static_cast<uint32_t>(image.height) > gui::kMaxTextureSide) {
    return "a picture beyond the largest side decoded";
  }
  if (image.pixels.size() !=
      static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 4) {
    return "the pixels do not fill the picture";
  }
  return nullptr;
}

}  // namespace fuzz
