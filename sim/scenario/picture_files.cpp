#include "sim/scenario/picture_files.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <filesystem>

namespace sim::scenario {

DrawnPicture Normalized(const DrawnPicture& picture) {
  DrawnPicture out = picture;
  for (size_t i = 0; i + 3 < out.rgba.size(); i += 4) {
    if (out.rgba[i + 3] == 0) std::fill(out.rgba.begin() + i, out.rgba.begin() + i + 4, 0);
  }
  return out;
}

namespace {

constexpr uint32_t kDirectDraw = 0;

// Eight-bit red, green, blue, alpha rows, as libpng's transforms give them
// (16-bit samples stripped, palettes and grey expanded, transparency as
// alpha). Reads through `file`; false on any libpng error.
// A file that does not decode is an answer here, not something to report.
void Quietly(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Unwarned(png_structp, png_const_charp) {}

bool DecodeRgba(std::FILE* file, DrawnPicture* picture) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, &Quietly, &Unwarned);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  std::vector<png_bytep> rows;
  bool decoded = false;
  if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_read_info(png, info);
    const int colorType = png_get_color_type(png, info);
    png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8) {
      png_set_expand_gray_1_2_4_to_8(png);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS) != 0) png_set_tRNS_to_alpha(png);
    if ((colorType & PNG_COLOR_MASK_ALPHA) == 0) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    if ((colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const uint32_t width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    if (png_get_rowbytes(png, info) == size_t{width} * 4 && width <= 4096 && height <= 4096) {
      picture->width = static_cast<int32_t>(width);
      picture->height = static_cast<int32_t>(height);
      picture->rgba.assign(size_t{width} * height * 4, 0);
      rows.resize(height);
      for (uint32_t r = 0; r < height; ++r) rows[r] = &picture->rgba[size_t{r} * width * 4];
      png_read_image(png, rows.data());
      decoded = true;
    }
  }
  png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
  return decoded;
}

}  // namespace

std::optional<DrawnPicture> ShownPictureOfFile(const std::string& path, uint32_t kind) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  DrawnPicture picture;
  const bool decoded = DecodeRgba(file, &picture);
  std::fclose(file);
  if (!decoded) return std::nullopt;
  // Alpha is binary: only a fully opaque pixel is drawn. DirectDraw blits
  // with a magenta colour key, so an opaque magenta pixel is moved off it.
  for (size_t i = 0; i + 3 < picture.rgba.size(); i += 4) {
    uint8_t* p = &picture.rgba[i];
    if (p[3] != 255) {
      std::fill(p, p + 4, 0);
    } else if (kind == kDirectDraw && p[0] == 255 && p[1] == 0 && p[2] == 255) {
      p[0] = p[2] = 254;
    }
  }
  return picture;
}

std::vector<std::string> FilesNamed(const std::vector<std::string>& folders,
                                    const std::string& name) {
  std::vector<std::string> found;
  for (const std::string& folder : folders) {
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
      if (it->is_regular_file(error) && it->path().filename() == name) {
        found.push_back(it->path().string());
      }
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace sim::scenario
