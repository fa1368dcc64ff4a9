// The host's reading of a PNG file: decoded as the DLL decodes (16-bit cut
// to the high byte, no gamma, the size limit), shown as each kind shows it.
#include "sim/dll_host/graphics/shown_picture.h"

#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "sim/dll_host/graphics/tests/sample_picture.h"
#include "sim/dll_host/win32/tests/layer_test.h"

using namespace sim::dll_host::graphics;

namespace {

std::string TempPath(const std::string& name) {
  return "/tmp/graphics_test_" + std::to_string(getpid()) + "_" + name;
}

// Writes rows of `bitDepth`-bit samples (big-endian, as PNG stores them)
// with libpng's full API, which writes exactly what it is given.
void WritePng(const std::string& path, uint32_t width, uint32_t height, int bitDepth, int colorType,
              const std::vector<uint8_t>& data, double gamma = 0) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, bitDepth, colorType, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (gamma != 0) png_set_gAMA(png, info, gamma);
  png_write_info(png, info);
  const size_t rowBytes = data.size() / height;
  for (uint32_t r = 0; r < height; ++r) {
    png_write_row(png, const_cast<png_bytep>(&data[rowBytes * r]));
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

// The sample picture as an 8-bit RGBA file.
std::vector<uint8_t> SampleRgba() {
  const DecodedPicture& p = SamplePicture();
  std::vector<uint8_t> rgba = p.bgra;
  for (size_t i = 0; i < rgba.size(); i += 4) std::swap(rgba[i], rgba[i + 2]);
  return rgba;
}

}  // namespace

TEST_CASE("shown picture: each kind's rules on every kind of pixel, from a file") {
  const std::string path = TempPath("sample.png");
  WritePng(path, 3, 2, 8, PNG_COLOR_TYPE_RGB_ALPHA, SampleRgba());
  for (RendererKind kind :
       {RendererKind::DirectDraw, RendererKind::OpenGL, RendererKind::Direct3D9}) {
    const std::optional<sim::DrawnPicture> shown = ShownPictureOfFile(path, kind);
    CHECK(shown.has_value());
    if (!shown) continue;
    CHECK_EQ(shown->width, 3);
    CHECK_EQ(shown->height, 2);
    CHECK(shown->rgba == ExpectedShown(kind));
  }
  std::remove(path.c_str());
}

TEST_CASE("shown picture: decoded as the DLL decodes, or not at all") {
  struct Row {
    const char* what;
    uint32_t width, height;
    int bitDepth, colorType;
    std::vector<uint8_t> data;
    double gamma;
    bool decodes;
    std::vector<uint8_t> firstBgra;  // the first pixel decoded
  };
  const Row rows[] = {
      // 16-bit samples keep their high byte (0x80FF is 0x80, not 0x81).
      {"16-bit RGBA",
       1,
       1,
       16,
       PNG_COLOR_TYPE_RGB_ALPHA,
       {0x80, 0xFF, 0x01, 0xFF, 0xFE, 0x80, 0xFF, 0xFF},
       0,
       true,
       {0xFE, 0x01, 0x80, 0xFF}},
      // A gamma chunk changes nothing.
      {"gamma 1.0", 1, 1, 8, PNG_COLOR_TYPE_RGB, {100, 150, 200}, 1.0, true, {200, 150, 100, 255}},
      {"grey with alpha",
       1,
       1,
       8,
       PNG_COLOR_TYPE_GRAY_ALPHA,
       {77, 255},
       0,
       true,
       {77, 77, 77, 255}},
      {"1024 wide",
       1024,
       1,
       8,
       PNG_COLOR_TYPE_GRAY,
       std::vector<uint8_t>(1024, 9),
       0,
       true,
       {9, 9, 9, 255}},
      {"1025 wide", 1025, 1, 8, PNG_COLOR_TYPE_GRAY, std::vector<uint8_t>(1025, 9), 0, false, {}},
      {"1025 tall", 1, 1025, 8, PNG_COLOR_TYPE_GRAY, std::vector<uint8_t>(1025, 9), 0, false, {}},
  };
  for (const Row& row : rows) {
    const std::string path = TempPath("decode.png");
    WritePng(path, row.width, row.height, row.bitDepth, row.colorType, row.data, row.gamma);
    const std::optional<DecodedPicture> decoded = DecodePngFile(path);
    std::remove(path.c_str());
    CHECK_EQ(decoded.has_value(), row.decodes);
    if (!decoded || !row.decodes) continue;
    CHECK_EQ(decoded->width, int32_t(row.width));
    CHECK_EQ(decoded->height, int32_t(row.height));
    CHECK(std::vector<uint8_t>(decoded->bgra.begin(), decoded->bgra.begin() + 4) == row.firstBgra);
  }
  // Not a PNG, cut short, missing.
  const std::string path = TempPath("broken.png");
  std::ofstream(path) << "not a picture";
  CHECK(!DecodePngFile(path).has_value());
  WritePng(path, 3, 2, 8, PNG_COLOR_TYPE_RGB_ALPHA, SampleRgba());
  std::string bytes;
  {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::ofstream(path, std::ios::binary) << bytes.substr(0, bytes.size() - 20);
  CHECK(!DecodePngFile(path).has_value());
  std::remove(path.c_str());
  CHECK(!DecodePngFile(path).has_value());
}
