// Fills in the renderer: solid fills, the host's numbered fills, and
// clipping at the picture's edges for every kind of call.
#include <gtest/gtest.h>

#include <climits>

#include "render_test_support.h"

namespace {

using render_test::Brightness;
using render_test::Fill;
using render_test::InkBounds;
using render_test::Pixels;
using render_test::Skin;
using render_test::Solid;
using render_test::Text;

constexpr sim::Rgba kBlack{0, 0, 0, 255};

TEST(RenderFill, SolidFillCoversExactlyItsRectangle) {
  const sim::Framebuffer fb = sim::RenderFrame({Solid(10, 12, 20, 8, 200, 30, 40)}, 64, 48);
  const sim::Rgba red{200, 30, 40, 255};
  for (const sim::Rgba& p : Pixels(fb, {10, 12, 20, 8})) ASSERT_EQ(p, red);
  const sim::Rect ink = InkBounds(fb);
  EXPECT_EQ(ink.x, 10);
  EXPECT_EQ(ink.y, 12);
  EXPECT_EQ(ink.w, 20);
  EXPECT_EQ(ink.h, 8);
}

TEST(RenderFill, LaterCallsDrawOverEarlierOnes) {
  const sim::Framebuffer fb = sim::RenderFrame(
      {Solid(0, 0, 20, 20, 255, 0, 0), Fill(5, 5, 10, 10, 51), Solid(8, 8, 2, 2, 0, 0, 255)}, 32,
      32);
  EXPECT_EQ(fb.At(2, 2), (sim::Rgba{255, 0, 0, 255}));
  EXPECT_NE(fb.At(6, 6), (sim::Rgba{255, 0, 0, 255}));
  EXPECT_EQ(fb.At(8, 8), (sim::Rgba{0, 0, 255, 255}));
}

TEST(RenderFill, EveryHostFillStaysInsideItsRectangle) {
  for (int element : {12, 13,  14,  15,  16,  17,  18,  19,  43,  44,  47,  48,  49, 50,
                      51, 311, 312, 313, 314, 315, 316, 320, 321, 322, 344, 347, 7,  1000}) {
    const sim::Framebuffer fb = sim::RenderFrame({Fill(10, 10, 30, 17, element)}, 64, 48);
    const sim::Rect ink = InkBounds(fb);
    ASSERT_FALSE(ink.Empty()) << element;
    EXPECT_GE(ink.x, 10) << element;
    EXPECT_GE(ink.y, 10) << element;
    EXPECT_LE(ink.x + ink.w, 40) << element;
    EXPECT_LE(ink.y + ink.h, 27) << element;
  }
}

TEST(RenderFill, PressedButtonsLookSunkenAndNormalOnesRaised) {
  const sim::Rect r{4, 4, 40, 20};
  for (int normal : {12, 14, 16, 18}) {
    const sim::Framebuffer up = sim::RenderFrame({Fill(4, 4, 40, 20, normal)}, 48, 28);
    const sim::Framebuffer down = sim::RenderFrame({Fill(4, 4, 40, 20, normal + 1)}, 48, 28);
    EXPECT_NE(Pixels(up, r), Pixels(down, r)) << normal;
    // Just inside the outer edge: lit top-left when raised, lit bottom-right when sunken.
    const auto topLeft = [](const sim::Framebuffer& fb) { return Brightness(fb.At(5, 5)); };
    const auto bottomRight = [](const sim::Framebuffer& fb) { return Brightness(fb.At(42, 22)); };
    EXPECT_GT(topLeft(up), bottomRight(up)) << normal;
    EXPECT_LT(topLeft(down), bottomRight(down)) << normal;
  }
}

TEST(RenderFill, TitleBarButtonsAndIconsCanBeToldApart) {
  const sim::Rect r{2, 2, 12, 12};
  auto picture = [&](int element) {
    return Pixels(sim::RenderFrame({Fill(2, 2, 12, 12, element)}, 16, 16), r);
  };
  // Each button against its pressed look, and the distinct pictures pairwise.
  EXPECT_NE(picture(311), picture(312));
  EXPECT_NE(picture(313), picture(314));
  EXPECT_NE(picture(315), picture(316));
  const int distinct[] = {311, 313, 315, 320, 321, 322, 344, 347, 51, 999};
  for (size_t i = 0; i < std::size(distinct); ++i) {
    for (size_t j = i + 1; j < std::size(distinct); ++j) {
      EXPECT_NE(picture(distinct[i]), picture(distinct[j])) << distinct[i] << " " << distinct[j];
    }
  }
}

TEST(RenderClip, RectanglesReachingPastTheEdgesAreCut) {
  const sim::Rgba green{0, 200, 0, 255};
  const sim::Framebuffer corner = sim::RenderFrame({Solid(-10, -10, 20, 20, 0, 200, 0)}, 32, 32);
  EXPECT_EQ(corner.At(0, 0), green);
  EXPECT_EQ(corner.At(9, 9), green);
  EXPECT_EQ(corner.At(10, 9), kBlack);
  EXPECT_EQ(corner.At(9, 10), kBlack);

  const sim::Framebuffer whole =
      sim::RenderFrame({Solid(-1000, -1000, 100000, 100000, 0, 200, 0)}, 32, 32);
  for (const sim::Rgba& p : Pixels(whole, {0, 0, 32, 32})) ASSERT_EQ(p, green);

  const sim::Framebuffer farRight = sim::RenderFrame({Solid(40, 5, 10, 10, 0, 200, 0)}, 32, 32);
  EXPECT_TRUE(InkBounds(farRight).Empty());
}

TEST(RenderClip, ExtremeCoordinatesAndSizesNeverDrawOutOfBounds) {
  // Under AddressSanitizer any write outside the picture fails the test.
  const int32_t big = INT32_MAX, small = INT32_MIN;
  std::vector<sim::DrawCall> draws;
  for (int32_t x : {small, -5, 0, 30, big}) {
    for (int32_t w : {small, -1, 0, 1, 1000, big}) {
      for (int element : {13, 18, 49, 51, 47, 50, 312, 320, 344, 5})
        draws.push_back(Fill(x, x, w, w, element));
      draws.push_back(Solid(x, x, w, w, 1, 2, 3));
      for (int srcX : {0, 13, 96, 186, 264, 308, 500}) draws.push_back(Skin(x, x, srcX, 0, w, w));
      draws.push_back(Skin(x, x, 96, 64, w, 11));
      draws.push_back(Skin(x, x, 253 + 9 * 10, 386, w, w));
      draws.push_back({"HostDrawObject", {1, x, x, w, 3031, 0}, ""});
      draws.push_back({"HostDrawCreature", {1, x, x, w, w, 128, 0, 0, 255, 255, 255}, ""});
      draws.push_back({"HostDrawTextBox", {1, x, x, 1, 9, 9, 9, 2, x, x, w, w}, "a b c\nd"});
    }
    draws.push_back(Text(x, x, 4, std::string(300, 'W'), 1));
    draws.push_back(Text(x, 10, 3, "edge", 0));
  }
  // Calls with too few arguments, and the host's position-less sprite calls.
  draws.push_back({"HostFillRect", {1, 2}, ""});
  draws.push_back({"HostDrawText", {}, "x"});
  draws.push_back({"HostSpriteDraw", {0x4AE100}, ""});
  draws.push_back({"RendererFrame", {}, ""});
  for (const auto& [w, h] :
       {std::pair{40, 30}, std::pair{1, 1}, std::pair{0, 0}, std::pair{-3, 5}}) {
    const sim::Framebuffer fb = sim::RenderFrame(draws, w, h);
    EXPECT_EQ(fb.Width(), std::max(w, 0));
    EXPECT_EQ(fb.Height(), std::max(h, 0));
  }
}

TEST(RenderClip, HostFrameCallPaintsTheBackdropBehindEverything) {
  // Recorded after the window, the host's frame still ends up behind it.
  const sim::Framebuffer fb = sim::RenderFrame(
      {Solid(0, 0, 10, 10, 255, 0, 255), {"RendererFrame", std::vector<int32_t>(10, 0), ""}}, 600,
      40);
  EXPECT_EQ(fb.At(5, 5), (sim::Rgba{255, 0, 255, 255}));
  EXPECT_NE(fb.At(50, 20), kBlack);
  // The host's side panel along the right edge is in another tone.
  const sim::Rgba view = fb.At(100, 20), panel = fb.At(590, 20);
  EXPECT_GT(std::abs(Brightness(view) - Brightness(panel)) + std::abs(view.g - panel.g) +
                std::abs(view.r - panel.r),
            20);
}

}  // namespace
