// libFuzzer target: a picture file's bytes decoded as the store's pictures
// are. Whatever the bytes, decoding ends; a picture it yields is within the
// size limits and holds exactly width x height x 4 bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "gui/texture/png_image.h"
#include "picture_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto image = gui::DecodePng(bytes);
  if (!image) return 0;
  if (const char* broken = fuzz::BrokenPictureRule(*image)) {
    std::fprintf(stderr, "png_fuzz: %s\n", broken);
    std::abort();
  }
  return 0;
}
