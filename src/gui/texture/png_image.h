// PNG pictures decoded into the pixel layout every texture variant uploads:
// blue, green, red, alpha, 8 bits each, rows from top to bottom without
// padding (stride 4 x width).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// libpng's own structures (png.h), named here without pulling in libpng.
struct png_struct_def;
struct png_info_def;

namespace gui {

struct DecodedImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;  // width x height x 4 bytes: B, G, R, A
};

// The largest decoded picture accepted, in bytes. Store pictures are a few
// dozen pixels wide; a header that claims more (up to libpng's own limit of a
// million pixels each way) would otherwise ask for terabytes, or overflow the
// byte count of a 32-bit process, before a single row is read.
inline constexpr uint64_t kMaxDecodedBytes = uint64_t{256} << 20;

// The widest and tallest picture decoded. The store draws its pictures at 64
// pixels at most; a larger file would cost the host's frame its time for
// nothing (a 6000 x 6000 picture takes seconds), so it is refused from its
// header, before any row is decoded, like a file that does not decode.
inline constexpr uint32_t kMaxTextureSide = 1024;

// Reads the PNG file at `path` (through the platform's file service, so the
// host's '\' paths work everywhere) and decodes it. Nothing when the file
// cannot be read or does not decode to four 8-bit channels.
std::optional<DecodedImage> LoadPng(const std::string& path);

// The same for a PNG file already in memory.
std::optional<DecodedImage> DecodePng(std::string_view bytes);

// What LoadPng asks of libpng once the header is read: every colour type and
// depth turned into 8-bit blue-green-red-alpha (16-bit channels stripped,
// palettes and low-depth grey expanded, a transparency chunk made an alpha
// channel, an opaque alpha byte added after colours without alpha, grey made
// RGB, the colours in blue-green-red order).
void RequestTexturePixels(png_struct_def* png, png_info_def* info);

// DecodePng with another request: the transforms are the one step a test may
// replace, to reach the check that the result has four channels (no PNG
// reaches it under RequestTexturePixels).
using PngTransformRequest = void (*)(png_struct_def* png, png_info_def* info);
std::optional<DecodedImage> DecodePngWith(std::string_view bytes, PngTransformRequest request);

}  // namespace gui
