// What each renderer kind shows of a PNG file, worked out by the host on its
// own: `expect-picture "FILE"` compares it with the pixels a texture draw put
// on the screen, so the answer does not depend on the DLL.
//
// The file is decoded as the DLL decodes its pictures (every colour type
// made 8-bit blue, green, red, alpha; 16-bit samples cut to their high byte;
// no gamma correction; nothing over 1024 pixels either way), then alpha is
// made binary as the renderer kind's texture makes it: only a pixel with
// alpha 255 is drawn. DirectDraw blits with a magenta colour key, so there
// a transparent pixel is the key (255, 0, 255) and an opaque magenta pixel
// becomes (254, 0, 254); OpenGL and Direct3D 9 make a transparent pixel all
// zero.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/dll_host/graphics/texture_record.h"

namespace sim::dll_host::graphics {

// A decoded file: width x height pixels of blue, green, red, alpha.
struct DecodedPicture {
  int32_t width = 0, height = 0;
  std::vector<uint8_t> bgra;
};

// Nothing when the file cannot be read, does not decode, or is larger than
// the DLL's textures may be.
std::optional<DecodedPicture> DecodePngFile(const std::string& path);

// Red, green, blue and alpha 0 or 255, as the native simulator records the
// same picture drawn with `kind`.
DrawnPicture ShownPicture(RendererKind kind, const DecodedPicture& picture);

std::optional<DrawnPicture> ShownPictureOfFile(const std::string& path, RendererKind kind);

}  // namespace sim::dll_host::graphics
