#include "gui/texture/png_image.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <limits>
#include <new>

#include "platform/platform.h"

namespace gui {
namespace {

// The version the decoder was written against; the 1.6 libraries accept it
// (libpng compares the major and minor numbers only).
constexpr char kLibpngVersion[] = "1.6.34";

// The file's bytes, consumed by libpng's read callback.
struct MemorySource {
  const uint8_t* data = nullptr;
  size_t size = 0;
  size_t position = 0;
};

// libpng's read callback: a read past the end of the file is libpng's own
// "Read Error", which returns to the decoder through the long jump, exactly
// as a short read of a C file does.
void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
  auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
  if (length > source->size - source->position) png_error(png, "Read Error");
  std::memcpy(out, source->data + source->position, length);
  source->position += length;
}

// The libpng read and info structures, destroyed on every way out.
class ReadSession {
 public:
  ReadSession() {
    png_ = png_create_read_struct(kLibpngVersion, nullptr, nullptr, nullptr);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
  }
  ~ReadSession() {
    if (png_ != nullptr) png_destroy_read_struct(&png_, info_ != nullptr ? &info_ : nullptr, nullptr);
  }
  ReadSession(const ReadSession&) = delete;
  ReadSession& operator=(const ReadSession&) = delete;

  bool Ready() const { return png_ != nullptr && info_ != nullptr; }
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

struct Layout {
  uint32_t width = 0, height = 0;
  uint32_t channels = 0, bitDepth = 0;
  size_t rowBytes = 0;
};

// The two functions below are the only ones a libpng error jumps back to.
// They hold nothing that needs destroying (the long jump would skip it) and
// change no local after setjmp, so every failure simply returns false and
// the caller's objects clean up.

// Reads the header, asks for the transforms and reports the resulting layout.
bool ReadLayout(png_structp png, png_infop info, MemorySource* source,
                PngTransformRequest request, Layout* layout) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, source, &ReadFromMemory);
  png_read_info(png, info);
  request(png, info);
  // Interlaced files are read whole by png_read_image, pass by pass.
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  layout->width = png_get_image_width(png, info);
  layout->height = png_get_image_height(png, info);
  layout->channels = png_get_channels(png, info);
  layout->bitDepth = png_get_bit_depth(png, info);
  layout->rowBytes = png_get_rowbytes(png, info);
  return true;
}

bool ReadRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

}  // namespace

void RequestTexturePixels(png_struct_def* png, png_info_def* info) {
  const int colorType = png_get_color_type(png, info);
  const int bitDepth = png_get_bit_depth(png, info);
  png_set_strip_16(png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS) != 0) png_set_tRNS_to_alpha(png);
  if (colorType == PNG_COLOR_TYPE_RGB || colorType == PNG_COLOR_TYPE_GRAY ||
      colorType == PNG_COLOR_TYPE_PALETTE) {
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  }
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
    png_set_gray_to_rgb(png);
  }
  png_set_bgr(png);
}

std::optional<DecodedImage> DecodePngWith(std::string_view bytes, PngTransformRequest request) {
  ReadSession session;
  if (!session.Ready()) return std::nullopt;
  MemorySource source{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), 0};
  Layout layout;
  if (!ReadLayout(session.png(), session.info(), &source, request, &layout)) return std::nullopt;
  if (layout.width > kMaxTextureSide || layout.height > kMaxTextureSide) return std::nullopt;

  // Four 8-bit channels, rows exactly 4 x width bytes: the only layout the
  // buffer below is sized for.
  if (layout.channels != 4 || layout.bitDepth != 8 ||
      layout.rowBytes != size_t{layout.width} * 4) {
    return std::nullopt;
  }
  const uint64_t stride = uint64_t{layout.width} * 4;
  const uint64_t total = stride * layout.height;
  if (layout.width == 0 || layout.height == 0 || total > kMaxDecodedBytes ||
      total > std::numeric_limits<size_t>::max() ||
      layout.width > static_cast<uint32_t>(std::numeric_limits<int32_t>::max()) ||
      layout.height > static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) {
    return std::nullopt;
  }

  DecodedImage image;
  std::vector<png_bytep> rows;
  try {
    image.pixels.resize(static_cast<size_t>(total));
    rows.resize(layout.height);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  for (uint32_t r = 0; r < layout.height; ++r) {
    rows[r] = image.pixels.data() + static_cast<size_t>(stride) * r;
  }
  if (!ReadRows(session.png(), rows.data())) return std::nullopt;
  image.width = static_cast<int32_t>(layout.width);
  image.height = static_cast<int32_t>(layout.height);
  return image;
}

std::optional<DecodedImage> DecodePng(std::string_view bytes) {
  return DecodePngWith(bytes, &RequestTexturePixels);
}

std::optional<DecodedImage> LoadPng(const std::string& path) {
  std::string bytes;
  if (!platform::Get().ReadWholeFile(path, &bytes)) return std::nullopt;
  return DecodePng(bytes);
}

}  // namespace gui
