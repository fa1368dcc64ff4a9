#include "sim/dll_host/graphics/shown_picture.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <fstream>
#include <iterator>

// The DLL's decoding limits (constants only: no core code is compiled here).
#include "gui/texture/png_image.h"

namespace sim::dll_host::graphics {
namespace {

// The classic API rather than png_image_*: the simplified one corrects
// gamma and rounds 16-bit samples, where the DLL's decoder does neither, so
// a file with a gAMA chunk or 16-bit samples would come out otherwise.

struct MemorySource {
  const uint8_t* data;
  size_t size;
  size_t position;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
  auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
  if (length > source->size - source->position) png_error(png, "Read Error");
  std::memcpy(out, source->data + source->position, length);
  source->position += length;
}

// A file that does not decode is an answer here, not something to print.
void Quietly(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Unwarned(png_structp, png_const_charp) {}

// The DLL's transforms: 8-bit samples, palettes and low-depth grey
// expanded, transparency chunks as alpha, an opaque alpha after colours
// without one, grey as RGB, blue first.
void RequestBgra(png_structp png, png_infop info) {
  const int colorType = png_get_color_type(png, info);
  png_set_strip_16(png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8) {
    png_set_expand_gray_1_2_4_to_8(png);
  }
  if (png_get_valid(png, info, PNG_INFO_tRNS) != 0) png_set_tRNS_to_alpha(png);
  if ((colorType & PNG_COLOR_MASK_ALPHA) == 0) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  if ((colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_interlace_handling(png);
}

struct Layout {
  uint32_t width, height, channels, bitDepth;
  size_t rowBytes;
};

// The two functions a libpng error jumps back to hold nothing to destroy.
bool ReadLayout(png_structp png, png_infop info, MemorySource* source, Layout* layout) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, source, &ReadFromMemory);
  png_read_info(png, info);
  RequestBgra(png, info);
  png_read_update_info(png, info);
  *layout = {png_get_image_width(png, info), png_get_image_height(png, info),
             png_get_channels(png, info), png_get_bit_depth(png, info),
             png_get_rowbytes(png, info)};
  return true;
}

bool ReadRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

std::optional<DecodedPicture> Decode(const std::string& bytes) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, &Quietly, &Unwarned);
  if (png == nullptr) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  std::optional<DecodedPicture> decoded;
  MemorySource source{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), 0};
  Layout layout{};
  if (info != nullptr && ReadLayout(png, info, &source, &layout) && layout.width != 0 &&
      layout.height != 0 && layout.width <= gui::kMaxTextureSide &&
      layout.height <= gui::kMaxTextureSide && layout.channels == 4 && layout.bitDepth == 8 &&
      layout.rowBytes == size_t{layout.width} * 4 &&
      uint64_t{layout.width} * layout.height * 4 <= gui::kMaxDecodedBytes) {
    DecodedPicture picture;
    picture.width = int32_t(layout.width);
    picture.height = int32_t(layout.height);
    picture.bgra.resize(layout.rowBytes * layout.height);
    std::vector<png_bytep> rows(layout.height);
    for (uint32_t r = 0; r < layout.height; ++r) rows[r] = &picture.bgra[layout.rowBytes * r];
    if (ReadRows(png, rows.data())) decoded = std::move(picture);
  }
  png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
  return decoded;
}

}  // namespace

std::optional<DecodedPicture> DecodePngFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return Decode(bytes);
}

DrawnPicture ShownPicture(RendererKind kind, const DecodedPicture& picture) {
  DrawnPicture shown;
  shown.width = picture.width;
  shown.height = picture.height;
  shown.rgba.resize(picture.bgra.size());
  for (size_t i = 0; i + 3 < picture.bgra.size(); i += 4) {
    const uint8_t* in = &picture.bgra[i];
    uint8_t* out = &shown.rgba[i];
    const bool opaque = in[3] == 255;
    if (kind == RendererKind::DirectDraw) {
      const bool magenta = in[0] == 255 && in[1] == 0 && in[2] == 255;
      if (!opaque) {
        // The colour key: left out by the blit.
        out[0] = 255, out[1] = 0, out[2] = 255, out[3] = 0;
      } else if (magenta) {
        // Moved off the key so that the blit keeps it.
        out[0] = 254, out[1] = 0, out[2] = 254, out[3] = 255;
      } else {
        out[0] = in[2], out[1] = in[1], out[2] = in[0], out[3] = 255;
      }
      continue;
    }
    if (opaque) out[0] = in[2], out[1] = in[1], out[2] = in[0], out[3] = 255;
    // else all zero, as resized
  }
  return shown;
}

std::optional<DrawnPicture> ShownPictureOfFile(const std::string& path, RendererKind kind) {
  std::optional<DecodedPicture> picture = DecodePngFile(path);
  if (!picture.has_value()) return std::nullopt;
  return ShownPicture(kind, *picture);
}

}  // namespace sim::dll_host::graphics
