// libFuzzer target: a picture file's bytes decoded as the store's pictures
// are. Whatever the bytes, decoding ends; a picture it yields is within the
// size limits and holds exactly width x height x 4 bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "gui/texture/png_image.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "png_fuzz: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto image = gui::DecodePng(bytes);
  if (!image) return 0;
  Require(image->width > 0 && image->height > 0, "an empty picture decoded");
  Require(static_cast<uint32_t>(image->width) <= gui::kMaxTextureSide &&
              static_cast<uint32_t>(image->height) <= gui::kMaxTextureSide,
          "a picture beyond the largest side decoded");
  Require(image->pixels.size() ==
              static_cast<size_t>(image->width) * static_cast<size_t>(image->height) * 4,
          "the pixels do not fill the picture");
  return 0;
}
