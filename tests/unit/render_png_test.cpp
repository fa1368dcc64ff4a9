// Writing frames as PNG files: read back with libpng, replaced whole.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "render_test_support.h"
#include "sim/render/png_writer.h"

namespace {

namespace fs = std::filesystem;

struct Decoded {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;
  sim::Rgba At(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * width + x) * 4;
    return {rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3]};
  }
};

bool ReadPng(const fs::path& path, Decoded& out) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return false;
  image.format = PNG_FORMAT_RGBA;
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.rgba.resize(PNG_IMAGE_SIZE(image));
  const bool ok = png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return ok;
}

class RenderPng : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("render_png_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::vector<fs::path> Files() const {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir)) files.push_back(entry.path().filename());
    return files;
  }

  fs::path dir;
};

TEST_F(RenderPng, RoundTripKeepsSizeAndPixels) {
  const sim::Framebuffer fb = sim::RenderFrame(
      {render_test::Solid(3, 4, 10, 5, 12, 200, 34), render_test::Fill(20, 2, 12, 12, 311)}, 37,
      23);
  const fs::path path = dir / "frame.png";
  ASSERT_TRUE(sim::WritePng(fb, path));
  Decoded png;
  ASSERT_TRUE(ReadPng(path, png));
  EXPECT_EQ(png.width, 37);
  EXPECT_EQ(png.height, 23);
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{3, 4}, std::pair{12, 8}, std::pair{13, 8},
                             std::pair{25, 7}, std::pair{36, 22}}) {
    EXPECT_EQ(png.At(x, y), fb.At(x, y)) << x << "," << y;
  }
  EXPECT_EQ(Files(), std::vector<fs::path>{"frame.png"});  // no temporary left over

  // Rewriting replaces the whole file, here with a smaller picture.
  ASSERT_TRUE(
      sim::WritePng(sim::RenderFrame({render_test::Solid(0, 0, 99, 99, 0, 0, 255)}, 8, 6), path));
  ASSERT_TRUE(ReadPng(path, png));
  EXPECT_EQ(png.width, 8);
  EXPECT_EQ(png.height, 6);
  EXPECT_EQ(png.At(7, 5), (sim::Rgba{0, 0, 255, 255}));
  EXPECT_EQ(Files(), std::vector<fs::path>{"frame.png"});
}

TEST_F(RenderPng, FailuresLeaveNothingBehind) {
  const fs::path path = dir / "kept.png";
  std::ofstream(path) << "old";
  EXPECT_FALSE(sim::WritePng(sim::Framebuffer(0, 0), path));
  EXPECT_FALSE(sim::WritePng(sim::Framebuffer(4, 4), dir / "missing" / "x.png"));
  EXPECT_FALSE(sim::WritePng(sim::Framebuffer(4, 4), dir));  // a folder is in the way
  EXPECT_EQ(Files(), std::vector<fs::path>{"kept.png"});
  EXPECT_EQ(fs::file_size(path), 3u);
}

}  // namespace
