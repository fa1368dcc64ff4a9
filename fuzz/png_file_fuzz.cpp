// libFuzzer target: gui::LoadPng, the loader the textures call with a
// picture file's path.
//
// The input is the file: written once per input into the host's data
// folder and loaded by its host path ('\' separators), as a texture loads
// the store's cached pictures. The loader must read the whole file, no more
// and no less: what it yields is what decoding the same bytes in memory
// yields (nothing, or the same picture to the last pixel), and a picture is
// within the limits.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "file_host.h"
#include "gui/texture/png_image.h"
#include "picture_checks.h"
#include "require.h"

namespace {

using fuzz::Require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& folder = fuzz::FileHost().folders().data;
  {
    std::ofstream out(std::filesystem::path(folder) / "picture.png",
                      std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Require(out.good(), "the input could not be written as the file");
  }
  const auto loaded = gui::LoadPng(folder + "\\picture.png");
  const auto decoded = gui::DecodePng(std::string_view(reinterpret_cast<const char*>(data), size));
  Require(loaded.has_value() == decoded.has_value(), "the file loads otherwise than its bytes");
  if (loaded) {
    Require(loaded->width == decoded->width && loaded->height == decoded->height &&
                loaded->pixels == decoded->pixels,
            "the file loads as another picture than its bytes");
    if (const char* broken = fuzz::BrokenPictureRule(*loaded)) Require(false, broken);
  }
  return 0;
}
