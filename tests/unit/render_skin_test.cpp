// Sheet-4 regions in the renderer: which stand-in a copy shows, partial
// tiles, and the looks that must differ (pressed, checked, styles, tiers).
#include <gtest/gtest.h>

#include "render_test_support.h"
#include "sim/render/skin_sheet.h"

namespace {

using render_test::Pixels;
using render_test::Skin;
using sim::SkinPart;

std::vector<sim::Rgba> Picture(int srcX, int srcY, int w, int h) {
  return Pixels(sim::RenderFrame({Skin(0, 0, srcX, srcY, w, h)}, w, h), {0, 0, w, h});
}

// The mean colour of a copy.
sim::Rgba Mean(const std::vector<sim::Rgba>& pixels) {
  int64_t r = 0, g = 0, b = 0;
  for (const sim::Rgba& p : pixels) r += p.r, g += p.g, b += p.b;
  const auto n = static_cast<int64_t>(pixels.size());
  return {static_cast<uint8_t>(r / n), static_cast<uint8_t>(g / n), static_cast<uint8_t>(b / n),
          255};
}

TEST(RenderSkin, CopiesFromInsideARegionShowThatRegion) {
  struct Case {
    int srcX, srcY;
    SkinPart part;
  };
  const Case cases[] = {
      {0, 0, SkinPart::kButtonFace},   // a whole face tile
      {13, 0, SkinPart::kButtonFace},  // the right-hand part of a tile
      {0, 2, SkinPart::kButtonFace},   // a further tile row
      {152 + 19, 410, SkinPart::kButtonFaceBlue},
      {169 + 5, 482, SkinPart::kButtonFaceGreen},
      {199, 480, SkinPart::kButtonFaceRed},
      {187, 65, SkinPart::kItemSlot},  // the large slot's tiles
      {2, 210, SkinPart::kSeparator},  // inside the horizontal track's rows
      {2, 199, SkinPart::kTrackHorizontal},
      {264, 0, SkinPart::kTrackVertical},
      {276, 0, SkinPart::kFrameRight},
      {2, 197, SkinPart::kFrameBottom},
      {96, 64, SkinPart::kProgressEmpty},
      {96, 75, SkinPart::kProgressFull},
      {97, 64, SkinPart::kUnknown},
      {253, 386, SkinPart::kUnknown},  // tier 0 has no badge
      {600, 600, SkinPart::kUnknown},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(sim::MatchSkin(4, c.srcX, c.srcY).part, c.part) << c.srcX << "," << c.srcY;
  }
  EXPECT_EQ(sim::MatchSkin(3, 0, 0).part, SkinPart::kUnknown);
  const sim::SkinMatch badge = sim::MatchSkin(4, 253 + 9 * 7, 386);
  EXPECT_EQ(badge.part, SkinPart::kTierBadge);
  EXPECT_EQ(badge.tier, 7);
  EXPECT_TRUE(sim::MatchSkin(4, 246, 122).pressed);
  EXPECT_FALSE(sim::MatchSkin(4, 244, 64).pressed);
}

TEST(RenderSkin, PartialTileIsTheMatchingPartOfTheWholeTile) {
  // The toolkit's last, narrower face tile takes the right-hand part of a
  // tile (srcX = 20 - width); further rows start two pixels down.
  const sim::Framebuffer fb =
      sim::RenderFrame({Skin(0, 0, 0, 0, 20, 19), Skin(30, 0, 13, 0, 7, 19),
                        Skin(0, 30, 152, 408, 20, 19), Skin(30, 30, 152, 410, 20, 17)},
                       60, 60);
  EXPECT_EQ(Pixels(fb, {13, 0, 7, 19}), Pixels(fb, {30, 0, 7, 19}));
  EXPECT_EQ(Pixels(fb, {0, 32, 20, 17}), Pixels(fb, {30, 30, 20, 17}));
}

TEST(RenderSkin, StatesAndStylesLookDifferent) {
  EXPECT_NE(Picture(308, 96, 12, 12), Picture(308, 108, 12, 12));          // check box
  EXPECT_NE(Picture(232, 64, 12, 12), Picture(234, 122, 12, 12));          // arrow up / pressed
  EXPECT_NE(Picture(232, 64, 12, 12), Picture(244, 64, 12, 12));           // up / down
  EXPECT_NE(Picture(232, 76, 12, 12), Picture(244, 76, 12, 12));           // left / right
  EXPECT_NE(Picture(232, 64, 12, 12), Picture(232, 76, 12, 12));           // up / left
  EXPECT_NE(Picture(96, 64, 40, 11), Picture(96, 75, 40, 11));             // progress empty / full
  EXPECT_NE(Picture(253 + 9, 386, 10, 8), Picture(253 + 18, 386, 10, 8));  // tiers 1 / 2

  // The textured styles carry their colours: blue, green, red.
  const sim::Rgba blue = Mean(Picture(152, 408, 20, 19));
  const sim::Rgba green = Mean(Picture(169, 480, 20, 19));
  const sim::Rgba red = Mean(Picture(199, 480, 20, 19));
  const sim::Rgba grey = Mean(Picture(0, 0, 20, 19));
  EXPECT_GT(blue.b, blue.r + 40);
  EXPECT_GT(green.g, green.r + 30);
  EXPECT_GT(green.g, green.b + 30);
  EXPECT_GT(red.r, red.g + 30);
  EXPECT_LT(std::abs(grey.r - grey.b), 20);
}

TEST(RenderSkin, ThinFrameIsDarkTopLeftAndLightBottomRight) {
  // The four lines of the toolkit's thin frame around a 30 x 20 box.
  const sim::Framebuffer fb =
      sim::RenderFrame({Skin(5, 5, 0, 96, 30, 1), Skin(5, 6, 0, 98, 1, 19),
                        Skin(6, 24, 2, 197, 29, 1), Skin(34, 6, 276, 0, 1, 18)},
                       40, 30);
  EXPECT_LT(render_test::Brightness(fb.At(20, 5)), render_test::Brightness(fb.At(20, 24)));
  EXPECT_LT(render_test::Brightness(fb.At(5, 15)), render_test::Brightness(fb.At(34, 15)));
  EXPECT_EQ(fb.At(20, 15), (sim::Rgba{0, 0, 0, 255}));  // the inside stays untouched
}

}  // namespace
