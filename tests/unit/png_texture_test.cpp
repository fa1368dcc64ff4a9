// PNG decoding for textures, each renderer's pixel conversion and drawing
// arithmetic, CreateTexture by renderer kind, the simulator's texture and
// `quorlan-sim png`. Test pictures are written here with libpng's writer.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "gui/texture/png_image.h"
#include "features/store/image_cache.h"
#include "features/store/state.h"
#include "gui/texture/texture.h"
#include "gui/texture/texture_pixels.h"
#include "host/host_memory.h"
#include "sim/commands.h"
#include "sim/render/renderer.h"
#include "sim/linked/sim_texture.h"
#include "sim/simulator.h"

namespace {

using Bytes = std::vector<uint8_t>;
namespace tx = gui::texture;

// ---- writing test pictures -------------------------------------------------------------
struct PngSpec {
  uint32_t width = 1, height = 1;
  int colorType = PNG_COLOR_TYPE_RGB;
  int bitDepth = 8;
  std::vector<Bytes> rows;  // packed samples of each row, as the file stores them
  std::vector<png_color> palette;
  Bytes paletteAlpha;                        // tRNS of a palette picture
  std::optional<png_color_16> transparent;   // tRNS of a grey or RGB picture
  bool interlaced = false;
};

void AppendToString(png_structp png, png_bytep data, size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

std::string WritePng(const PngSpec& spec) {
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, &AppendToString, nullptr);
  png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colorType,
               spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!spec.palette.empty()) {
    png_set_PLTE(png, info, spec.palette.data(), static_cast<int>(spec.palette.size()));
  }
  if (!spec.paletteAlpha.empty() || spec.transparent) {
    png_color_16 colour = spec.transparent.value_or(png_color_16{});
    png_set_tRNS(png, info, spec.paletteAlpha.empty() ? nullptr : spec.paletteAlpha.data(),
                 static_cast<int>(spec.paletteAlpha.size()), spec.transparent ? &colour : nullptr);
  }
  png_write_info(png, info);
  std::vector<png_bytep> rows;
  for (const Bytes& row : spec.rows) rows.push_back(const_cast<png_bytep>(row.data()));
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

// A 2 x 1 RGB picture: dark blue-ish, then opaque magenta.
std::string SmallRgb() {
  return WritePng({.width = 2, .colorType = PNG_COLOR_TYPE_RGB, .rows = {{30, 20, 10, 255, 0, 255}}});
}

// One chunk with its length and CRC.
std::string Chunk(const char* type, const std::string& data) {
  auto be32 = [](uint32_t v) {
    return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
  };
  const std::string body = std::string(type, 4) + data;
  const auto crc = static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
  return be32(static_cast<uint32_t>(data.size())) + body + be32(crc);
}

// ---- decoding ---------------------------------------------------------------------------------

TEST(LoadPng, EveryColourTypeDecodesToEightBitBgra) {
  struct Case {
    const char* name;
    PngSpec spec;
    Bytes pixels;  // B, G, R, A
  };
  const Case cases[] = {
      {"8-bit palette with tRNS: alphas 0, 128, 255",
       {.width = 3, .colorType = PNG_COLOR_TYPE_PALETTE, .rows = {{0, 1, 2}},
        .palette = {{200, 10, 20}, {30, 40, 50}, {60, 70, 80}}, .paletteAlpha = {0, 128}},
       {20, 10, 200, 0, 50, 40, 30, 128, 80, 70, 60, 255}},
      {"4-bit palette without tRNS is opaque",
       {.width = 2, .colorType = PNG_COLOR_TYPE_PALETTE, .bitDepth = 4, .rows = {{0x10}},
        .palette = {{1, 2, 3}, {4, 5, 6}}},
       {6, 5, 4, 255, 3, 2, 1, 255}},
      {"16-bit RGB keeps the high bytes and is opaque",
       {.colorType = PNG_COLOR_TYPE_RGB, .bitDepth = 16, .rows = {{0x12, 0x34, 0xAB, 0xCD, 0xFF, 0xFF}}},
       {0xFF, 0xAB, 0x12, 255}},
      {"16-bit RGBA",
       {.colorType = PNG_COLOR_TYPE_RGB_ALPHA, .bitDepth = 16, .rows = {{1, 0, 2, 0, 3, 0, 0x80, 0}}},
       {3, 2, 1, 0x80}},
      {"2-bit grey is stretched to 8 bits",
       {.width = 4, .colorType = PNG_COLOR_TYPE_GRAY, .bitDepth = 2, .rows = {{0x1B}}},
       {0, 0, 0, 255, 85, 85, 85, 255, 170, 170, 170, 255, 255, 255, 255, 255}},
      {"grey with alpha",
       {.colorType = PNG_COLOR_TYPE_GRAY_ALPHA, .rows = {{90, 7}}},
       {90, 90, 90, 7}},
      {"grey with a transparent value",
       {.width = 2, .colorType = PNG_COLOR_TYPE_GRAY, .rows = {{5, 6}}, .transparent = png_color_16{0, 0, 0, 0, 5}},
       {5, 5, 5, 0, 6, 6, 6, 255}},
      {"RGB with a transparent colour",
       {.width = 2, .colorType = PNG_COLOR_TYPE_RGB, .rows = {{1, 2, 3, 1, 2, 4}},
        .transparent = png_color_16{0, 1, 2, 3, 0}},
       {3, 2, 1, 0, 4, 2, 1, 255}},
      {"interlaced RGBA, rows top to bottom",
       {.width = 1, .height = 3, .colorType = PNG_COLOR_TYPE_RGB_ALPHA,
        .rows = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}}, .interlaced = true},
       {3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12}},
  };
  for (const Case& c : cases) {
    const std::optional<gui::DecodedImage> image = gui::DecodePng(WritePng(c.spec));
    ASSERT_TRUE(image.has_value()) << c.name;
    EXPECT_EQ(image->width, static_cast<int32_t>(c.spec.width)) << c.name;
    EXPECT_EQ(image->height, static_cast<int32_t>(c.spec.height)) << c.name;
    EXPECT_EQ(image->pixels, c.pixels) << c.name;
  }
}

TEST(LoadPng, FilesThatDoNotDecodeGiveNothing) {
  const std::string good = SmallRgb();
  const std::string header = std::string("\x89PNG\r\n\x1a\n", 8);
  // 1,000,000 x 1,000,000 RGBA (libpng's own limit) would be 4 TB of pixels.
  std::string ihdr = {0, 0x0F, 0x42, 0x40, 0, 0x0F, 0x42, 0x40, 8, 6, 0, 0, 0};
  const std::string huge = header + Chunk("IHDR", ihdr) + Chunk("IDAT", "x") + Chunk("IEND", "");
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"not a PNG", "GIF89a, certainly not a PNG file"},
      {"only the signature", header},
      {"cut inside the header", good.substr(0, 20)},
      {"cut inside the image data", good.substr(0, good.size() - 20)},
      {"huge dimensions", huge},
  };
  for (const auto& [name, bytes] : cases) {
    EXPECT_FALSE(gui::DecodePng(bytes).has_value()) << name;
  }
}

// Pictures wider or taller than the largest the store could want are
// refused from their header; up to that size they decode.
TEST(LoadPng, PicturesBeyondTheLargestSideAreRefused) {
  const auto grey = [](uint32_t width, uint32_t height) {
    return WritePng({.width = width, .height = height, .colorType = PNG_COLOR_TYPE_GRAY,
                     .rows = std::vector<Bytes>(height, Bytes(width, 7))});
  };
  constexpr uint32_t kSide = gui::kMaxTextureSide;
  EXPECT_TRUE(gui::DecodePng(grey(kSide, 1)).has_value());
  EXPECT_TRUE(gui::DecodePng(grey(1, kSide)).has_value());
  EXPECT_FALSE(gui::DecodePng(grey(kSide + 1, 1)).has_value());
  EXPECT_FALSE(gui::DecodePng(grey(1, kSide + 1)).has_value());
}

// No PNG reaches the four-channel check through the texture transforms, so
// it is reached with transforms that leave the file's own layout.
void AskForBgrOnly(png_struct_def* png, png_info_def*) { png_set_bgr(png); }

TEST(LoadPng, ALayoutOtherThanFourEightBitChannelsIsRefused) {
  const std::string rgb = SmallRgb();
  const std::string rgba16 = WritePng(
      {.colorType = PNG_COLOR_TYPE_RGB_ALPHA, .bitDepth = 16, .rows = {{1, 0, 2, 0, 3, 0, 4, 0}}});
  EXPECT_FALSE(gui::DecodePngWith(rgb, &AskForBgrOnly).has_value());     // 3 channels
  EXPECT_FALSE(gui::DecodePngWith(rgba16, &AskForBgrOnly).has_value());  // 4 x 16 bits
  EXPECT_TRUE(gui::DecodePngWith(rgb, &gui::RequestTexturePixels).has_value());
}

// ---- per-renderer pixels and drawing arithmetic ------------------------------------------------

TEST(TexturePixels, EachRendererHasBinaryAlpha) {
  struct Case {
    const char* name;
    Bytes in, openGl, direct3d, directDraw;
  };
  const Case cases[] = {
      {"opaque", {10, 20, 30, 255}, {30, 20, 10, 255}, {10, 20, 30, 255}, {10, 20, 30, 255}},
      {"half transparent", {10, 20, 30, 128}, {0, 0, 0, 0}, {0, 0, 0, 0}, {255, 0, 255, 255}},
      {"transparent", {10, 20, 30, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {255, 0, 255, 255}},
      {"almost opaque", {10, 20, 30, 254}, {0, 0, 0, 0}, {0, 0, 0, 0}, {255, 0, 255, 255}},
      {"opaque magenta", {255, 0, 255, 255}, {255, 0, 255, 255}, {255, 0, 255, 255}, {254, 0, 254, 255}},
      {"opaque near magenta", {255, 1, 255, 255}, {255, 1, 255, 255}, {255, 1, 255, 255}, {255, 1, 255, 255}},
  };
  for (const Case& c : cases) {
    Bytes gl = c.in, d3d = c.in, dd = c.in;
    tx::ToOpenGlPixels(gl.data(), 1);
    tx::ClearNonOpaquePixels(d3d.data(), 1);
    tx::ToColourKeyPixels(dd.data(), 1);
    EXPECT_EQ(gl, c.openGl) << c.name;
    EXPECT_EQ(d3d, c.direct3d) << c.name;
    EXPECT_EQ(dd, c.directDraw) << c.name;
  }
}

TEST(TexturePixels, SmoothChoosesTheFilter) {
  const std::tuple<uint8_t, uint32_t, uint32_t> cases[] = {
      {0, 0x2600, 1}, {1, 0x2601, 2}, {2, 0x2601, 2}, {255, 0x2601, 2}};
  for (const auto& [smooth, gl, d3d] : cases) {
    EXPECT_EQ(tx::GlFilter(smooth), gl) << int{smooth};
    EXPECT_EQ(tx::D3dFilter(smooth), d3d) << int{smooth};
  }
}

TEST(TexturePixels, VertexStripAndQuadCorners) {
  const auto strip = tx::VertexStrip(10, 20, 30, 40);
  const float expected[4][4] = {{10, 20, 0, 0}, {40, 20, 1, 0}, {10, 60, 0, 1}, {40, 60, 1, 1}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ((std::array{strip[i].x, strip[i].y, strip[i].u, strip[i].v}),
              (std::array{expected[i][0], expected[i][1], expected[i][2], expected[i][3]}));
    EXPECT_EQ(strip[i].z, 0.0f);
    EXPECT_EQ(strip[i].rhw, 1.0f);
    EXPECT_EQ(strip[i].colour, 0xFFFFFFFFu);
  }
  // The right edge of a rectangle that reaches past 2^31 stays to the right.
  EXPECT_GT(tx::VertexStrip(2147480000, 0, 100000, 1)[1].x, 2147480000.0f);

  const auto quad = tx::GlQuad(10, 20, 30, 40);
  const std::array<std::array<int32_t, 4>, 4> corners = {
      {{0, 0, 10, 20}, {0, 1, 10, 60}, {1, 1, 40, 60}, {1, 0, 40, 20}}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ((std::array{int32_t(quad[i].u), int32_t(quad[i].v), quad[i].x, quad[i].y}), corners[i]);
  }
}

TEST(TexturePixels, RowsFollowTheLockedPitch) {
  const Bytes source = {1, 2, 3, 4, 5, 6, 7, 8};  // 1 x 2 pixels
  Bytes tight(8, 0xEE), padded(14, 0xEE), narrow(8, 0xEE);
  EXPECT_TRUE(tx::CopyRows(tight.data(), 4, source.data(), 1, 2));
  EXPECT_EQ(tight, source);
  EXPECT_TRUE(tx::CopyRows(padded.data(), 10, source.data(), 1, 2));
  EXPECT_EQ(padded, (Bytes{1, 2, 3, 4, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 5, 6, 7, 8}));
  EXPECT_FALSE(tx::CopyRows(narrow.data(), 3, source.data(), 1, 2));
  EXPECT_EQ(narrow, Bytes(8, 0xEE));
}

TEST(TexturePixels, LostSurfacesAndBusyBlitsAreRetriedEveryTenMilliseconds) {
  struct Loss {
    int lostFor;
    bool restored;
    int restores;
  };
  for (const Loss c : {Loss{1, true, 1}, Loss{3, true, 3}, Loss{1000, false, tx::kMaxRetries}}) {
    const auto [lostFor, restored, restores] = c;
    int calls = 0;
    std::vector<uint32_t> sleeps;
    const bool result = tx::RestoreWhileLost([&] { return calls < c.lostFor; }, [&] { ++calls; },
                                             [&](uint32_t ms) { sleeps.push_back(ms); });
    EXPECT_EQ(result, restored) << lostFor;
    EXPECT_EQ(calls, restores) << lostFor;
    EXPECT_EQ(sleeps, std::vector<uint32_t>(restores - 1, 10)) << lostFor;
  }
  constexpr int32_t kBusy = -7;
  struct Busy {
    int busyFor;
    int32_t answer;
    int attempts;
  };
  for (const Busy c : {Busy{0, 0, 1}, Busy{2, 0, 3}, Busy{1000, kBusy, tx::kMaxRetries}}) {
    const auto [busyFor, answer, attempts] = c;
    int calls = 0;
    std::vector<uint32_t> sleeps;
    const int32_t result = tx::RetryWhileBusy([&] { return calls++ < c.busyFor ? kBusy : 0; }, kBusy,
                                              [&](uint32_t ms) { sleeps.push_back(ms); });
    EXPECT_EQ(result, answer) << busyFor;
    EXPECT_EQ(calls, attempts) << busyFor;
    EXPECT_EQ(sleeps, std::vector<uint32_t>(attempts - 1, 10)) << busyFor;
  }
}

// ---- CreateTexture and the simulator's texture -------------------------------------------------

class SimTextures : public ::testing::Test {
 protected:
  std::string DataFile(const std::string& name, const std::string& bytes) {
    const std::string path = simulator.folders().data + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  void SetKind(uint32_t kind) { host::Write<uint32_t>(gui::kRendererKindVariable, kind); }

  sim::Simulator simulator;
};

TEST_F(SimTextures, CreateTextureFollowsTheRendererKind) {
  for (const auto& [kind, made] : {std::pair{0u, true}, std::pair{1u, true}, std::pair{2u, true},
                                   std::pair{3u, false}, std::pair{0xFFFFFFFFu, false}}) {
    SetKind(kind);
    const std::unique_ptr<GUI_Texture> texture = gui::CreateTexture("a.png");
    EXPECT_EQ(texture != nullptr, made) << kind;
    if (texture) EXPECT_EQ(texture->path, "a.png");
  }
}

TEST_F(SimTextures, DecodesOnceInItsLife) {
  const std::string path = simulator.folders().data + "/late.png";
  const std::unique_ptr<GUI_Texture> missing = gui::CreateTexture(path);
  missing->Draw(1, 0, 5, 6, 7, 8);
  DataFile("late.png", SmallRgb());
  missing->Draw(1, 0, 5, 6, 7, 8);  // a failed decode is not repeated every frame
  EXPECT_TRUE(simulator.Host().Draws().empty());

  const std::unique_ptr<GUI_Texture> texture = gui::CreateTexture(path);
  ASSERT_TRUE(texture->Decode());
  std::filesystem::remove(path);
  texture->Draw(1, 1, 10, 20, 30, 40);  // the decoded pixels need the file no more
  texture->Draw(1, 0, 0, 0, 2, 1);
  const auto& draws = simulator.Host().Draws();
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].name, "Texture");
  EXPECT_EQ(draws[0].text, path);
  EXPECT_EQ(draws[0].args, (std::vector<int32_t>{1, 1, 10, 20, 30, 40, 0}));
  EXPECT_EQ(draws[0].picture, draws[1].picture);
}

// The store decodes a picture once to know whether to show it; the texture
// draws those pixels, without reading the file again.
TEST_F(SimTextures, TheStoreDecodesEachPictureOnce) {
  DataFile("offer.png", SmallRgb());
  store::StoreImage image;
  image.path = simulator.folders().data + "/offer.png";
  store::ReloadTexture(image);
  ASSERT_NE(image.texture, nullptr);
  std::filesystem::remove(image.path);
  image.texture->Draw(1, 0, 1, 2, 3, 4);
  EXPECT_EQ(simulator.Host().Draws().size(), 1u);
}

TEST_F(SimTextures, EachKindShowsWhatItsInterfaceWould) {
  // Opaque magenta, a half-transparent and a transparent palette entry.
  const std::string bytes =
      WritePng({.width = 3, .colorType = PNG_COLOR_TYPE_PALETTE, .rows = {{0, 1, 2}},
                .palette = {{255, 0, 255}, {1, 2, 3}, {4, 5, 6}}, .paletteAlpha = {255, 128, 0}});
  const std::pair<gui::RendererKind, Bytes> cases[] = {
      {gui::RendererKind::DirectDraw, {254, 0, 254, 255, 255, 0, 255, 0, 255, 0, 255, 0}},
      {gui::RendererKind::OpenGL, {255, 0, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0}},
      {gui::RendererKind::Direct3D9, {255, 0, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& [kind, rgba] : cases) {
    const sim::DrawnPicture shown = sim::ShownPicture(kind, *gui::DecodePng(bytes));
    EXPECT_EQ(shown.rgba, rgba) << static_cast<int>(kind);
  }
}

TEST_F(SimTextures, TheFramePictureScalesTheTextureAndLeavesOutTransparentPixels) {
  SetKind(1);
  // Red, then transparent: scaled to 4 x 2, the left half is red.
  const std::string path = DataFile(
      "two.png", WritePng({.width = 2, .colorType = PNG_COLOR_TYPE_RGB_ALPHA,
                           .rows = {{200, 0, 0, 255, 0, 200, 0, 0}}}));
  gui::CreateTexture(path)->Draw(1, 0, 2, 3, 4, 2);
  const sim::Framebuffer fb = sim::RenderFrame(simulator.Host().Draws(), 8, 6);
  const sim::Rgba red{200, 0, 0, 255}, black{0, 0, 0, 255};
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool inside = x >= 2 && x < 4 && y >= 3 && y < 5;
      EXPECT_EQ(fb.At(x, y), inside ? red : black) << x << "," << y;
    }
  }
}

// ---- quorlan-sim png ---------------------------------------------------------------------------

TEST_F(SimTextures, PngCommandPrintsTheSizeAndWritesRawPixels) {
  const std::string picture = DataFile("p.png", SmallRgb());
  const std::string raw = simulator.folders().data + "/p.raw";
  const std::string broken = DataFile("b.png", SmallRgb().substr(0, 40));
  auto run = [](std::vector<std::string> words, std::string* printed) {
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    ::testing::internal::CaptureStdout();
    const int code = sim::PngCommand(static_cast<int>(argv.size()), argv.data());
    *printed = ::testing::internal::GetCapturedStdout();
    return code;
  };
  std::string printed;
  ASSERT_EQ(run({picture, "--raw", raw}, &printed), 0);
  EXPECT_EQ(printed, "{\"width\": 2, \"height\": 1}\n");
  std::ifstream in(raw, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
            std::string("\x0a\x14\x1e\xff\xff\x00\xff\xff", 8));

  EXPECT_EQ(run({broken}, &printed), 1);
  EXPECT_TRUE(printed.starts_with("{\"error\": ")) << printed;
  EXPECT_EQ(run({simulator.folders().data + "/none.png"}, &printed), 1);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(run({}, &printed), 2);
  EXPECT_EQ(run({picture, "--raw"}, &printed), 2);
  ::testing::internal::GetCapturedStderr();
}

}  // namespace
