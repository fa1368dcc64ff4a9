// Outfit pictures: the palette, where each tile of an outfit lands in the
// picture's square, and which sprites (addons, colour masks) are drawn.
// The outfits come from the simulator's appearance data; the simulated host
// records every HostDrawCreature.
#include "gui/outfit_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "host/appearance/appearance_store.h"
#include "host/library_data.h"
#include "sim/appearance_writer.h"
#include "sim/render/renderer.h"
#include "sim/simulator.h"

namespace {

using appearance::Category;
using namespace sim::appearance_file;

TEST(OutfitPalette, EntriesByIndexAndOutOfRangeReadsTheFirst) {
  struct Case {
    uint32_t index;
    uint8_t r, g, b;
  };
  for (const Case& c : {Case{0, 255, 255, 255}, Case{1, 255, 213, 191}, Case{18, 255, 191, 191},
                        Case{19, 219, 219, 219}, Case{57, 146, 146, 146}, Case{79, 255, 255, 0},
                        Case{88, 0, 0, 255}, Case{132, 127, 0, 0}, Case{133, 255, 255, 255},
                        Case{UINT32_MAX, 255, 255, 255}}) {
    const gui::Color color = gui::OutfitColor(c.index);
    EXPECT_EQ(color.r, c.r) << c.index;
    EXPECT_EQ(color.g, c.g) << c.index;
    EXPECT_EQ(color.b, c.b) << c.index;
  }
}

// One recorded tile: where, and the sprite and colour-mask sprite.
struct Tile {
  int32_t x, y, w, h, sprite, mask = 0;
  bool operator==(const Tile&) const = default;
};
void PrintTo(const Tile& t, std::ostream* out) {
  *out << "(" << t.x << ", " << t.y << ", " << t.w << "x" << t.h << ") sprite " << t.sprite
       << " mask " << t.mask;
}

class OutfitPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.Start();
    SpriteGroupIndex = 0;
    OutfitPatternZ() = 1;
  }

  // An outfit facing four ways; sprite ids 1, 2, ... in file order unless
  // given.
  void Define(uint16_t look, uint8_t w, uint8_t h, uint8_t layers, uint8_t addonPatterns,
              std::vector<uint32_t> sprites = {}) {
    writer.Set(Category::Outfit, look,
               {.groups = {Group{.width = w,
                                 .height = h,
                                 .layers = layers,
                                 .patternX = 4,
                                 .patternY = addonPatterns,
                                 .sprites = std::move(sprites)}}});
    ASSERT_TRUE(ParseBytes(writer.Bytes(), appearance::Store()));
  }

  std::vector<sim::DrawCall> Record(const gui::Outfit& outfit, int32_t size) {
    simulator.Host().Draws().clear();
    gui::DrawOutfitPicture(outfit, 100, 200, size);
    return simulator.Host().Draws();
  }

  // The tiles in drawing order within each position; positions sorted, so
  // only what lands where counts, not the order of the walk.
  std::vector<Tile> Tiles(const gui::Outfit& outfit, int32_t size) {
    std::vector<Tile> tiles;
    for (const sim::DrawCall& d : Record(outfit, size)) {
      EXPECT_EQ(d.name, "HostDrawCreature");
      tiles.push_back({d.args[1], d.args[2], d.args[3], d.args[4], d.args[5], d.args[6]});
    }
    std::stable_sort(tiles.begin(), tiles.end(), [](const Tile& a, const Tile& b) {
      return std::pair(a.y, a.x) < std::pair(b.y, b.x);
    });
    return tiles;
  }

  sim::Simulator simulator;
  AppearanceFileWriter writer;
};

// One tile fills the square; more are scaled by the larger count, the block
// centred with halves cut towards zero, tile (1, 1) at the bottom right.
// With four directions and one layer, the viewer-facing sprite of tile
// (col, row) of a W x H outfit is (H + row - 1) x W + col.
TEST_F(OutfitPicture, TilesAreScaledCentredAndCountedFromTheBottomRight) {
  Define(1, 1, 1, 1, 1);
  Define(2, 2, 2, 1, 1);
  Define(3, 2, 1, 1, 1);
  Define(4, 1, 2, 1, 1);
  // 2 x 2 whose entries 4 to 7 face the viewer; the bottom-right tile has none.
  Define(5, 2, 2, 1, 1, {1, 2, 3, 4, 0, 21, 22, 23, 9, 10, 11, 12, 13, 14, 15, 16});
  struct Case {
    uint16_t look;
    int32_t size;
    std::vector<Tile> tiles;
  };
  for (const Case& c : {
           Case{1, 40, {{100, 200, 40, 40, 2}}},
           Case{2,
                64,
                {{100, 200, 32, 32, 8},
                 {132, 200, 32, 32, 7},
                 {100, 232, 32, 32, 6},
                 {132, 232, 32, 32, 5}}},
           Case{2,
                40,
                {{100, 200, 20, 20, 8},
                 {120, 200, 20, 20, 7},
                 {100, 220, 20, 20, 6},
                 {120, 220, 20, 20, 5}}},
           // 41 / 2 = 20.5: tiles of 20, the 20-high block 10 down (10.5 cut).
           Case{3, 41, {{100, 210, 20, 20, 4}, {120, 210, 20, 20, 3}}},
           Case{4, 45, {{111, 200, 22, 22, 4}, {111, 222, 22, 22, 3}}},
           Case{5, 64, {{100, 200, 32, 32, 23}, {132, 200, 32, 32, 22}, {100, 232, 32, 32, 21}}},
           Case{0, 64, {}},    // no outfit
           Case{999, 64, {}},  // not in the appearance data
           Case{2, 1, {}},     // not a pixel per tile
       }) {
    EXPECT_EQ(Tiles({.lookType = c.look}, c.size), c.tiles) << c.look << " in " << c.size;
  }
}

// Pattern Y 1 is the outfit, 2 and 3 its addons, drawn over it when the
// outfit has addon patterns and the addon's bit is set. The second layer
// is the colour mask. One tile facing four ways with L layers: layer l
// (from 0) of pattern Y p is sprite ((p - 1) x 4 + 1) x L + l + 1.
TEST_F(OutfitPicture, AddonsAndMasksFollowTheOutfitsPatternsAndLayers) {
  Define(10, 1, 1, 2, 3);  // two layers, addon patterns
  Define(11, 1, 1, 2, 1);  // two layers, no addon patterns
  Define(12, 1, 1, 1, 3);  // one layer: no mask
  // Pattern 2's outfit sprite is 0: that addon is left out.
  Define(13, 1, 1, 2, 3,
         {0, 0, 3, 4, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 19, 20, 0, 0, 0, 0});
  struct Case {
    uint16_t look;
    uint8_t addons;
    std::vector<std::pair<int32_t, int32_t>> sprites;  // (sprite, mask) in drawing order
  };
  for (const Case& c : {
           Case{10, 0, {{3, 4}}},
           Case{10, 1, {{3, 4}, {11, 12}}},
           Case{10, 2, {{3, 4}, {19, 20}}},
           Case{10, 3, {{3, 4}, {11, 12}, {19, 20}}},
           Case{10, 0xFC, {{3, 4}}},
           Case{11, 3, {{3, 4}}},
           Case{12, 3, {{2, 0}, {6, 0}, {10, 0}}},
           Case{13, 3, {{3, 4}, {19, 20}}},
       }) {
    std::vector<std::pair<int32_t, int32_t>> drawn;
    for (const Tile& t : Tiles({.lookType = c.look, .addons = c.addons}, 40)) {
      EXPECT_EQ(t, (Tile{100, 200, 40, 40, t.sprite, t.mask})) << c.look;
      drawn.emplace_back(t.sprite, t.mask);
    }
    EXPECT_EQ(drawn, c.sprites) << "look " << c.look << " addons " << int{c.addons};
  }
}

// The whole call: surface 1, the tile, its sprites, head, body, legs and
// feet as 0x00RRGGBB, then 0, 0, 0, 0, 0, 65535, 65535.
TEST_F(OutfitPicture, EachTileCarriesTheFourPaletteColours) {
  Define(20, 1, 1, 2, 1);
  const std::vector<sim::DrawCall> drawn =
      Record({.lookType = 20, .head = 79, .body = 18, .legs = 132, .feet = 200}, 40);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].args, (std::vector<int32_t>{1, 100, 200, 40, 40, 3, 4, 0xFFFF00, 0xFFBFBF,
                                                 0x7F0000, 0xFFFFFF, 0, 0, 0, 0, 0, 65535, 65535}));

  // The simulator paints such a tile as a figure in those colours, leaving
  // the tile's corners alone; whatever the rectangle, nothing is drawn
  // outside the picture (AddressSanitizer watches).
  sim::DrawCall call = drawn[0];
  call.args[1] = 0;
  call.args[2] = 0;
  const sim::Framebuffer fb = sim::RenderFrame({call}, 40, 40);
  EXPECT_EQ(fb.At(0, 0), (sim::Rgba{0, 0, 0, 255}));
  const sim::Rgba body = fb.At(20, 22);  // body colour (255, 191, 191), shaded
  EXPECT_GT(body.r, body.g);
  EXPECT_EQ(body.g, body.b);
  for (const int32_t edge : {INT32_MIN, -5, 0, 39, INT32_MAX}) {
    call.args[1] = call.args[2] = call.args[3] = call.args[4] = edge;
    sim::RenderFrame({call}, 40, 40);
  }
}

}  // namespace

// A pose picks the facing (pattern X), the frame group and the frame. One
// tile facing four ways, one layer, frames F: frame f (from 1) facing x is
// sprite (f - 1) x 4 + x. A group the outfit lacks draws its first; a frame
// past the group's draws the first.
TEST_F(OutfitPicture, PoseChoosesFacingGroupAndFrame) {
  writer.Set(Category::Outfit, 30, {.groups = {Group{.patternX = 4, .frames = 3}}});
  writer.Set(Category::Outfit, 31,
             {.groups = {Group{.patternX = 4, .frames = 1},
                         Group{.type = 1,
                               .patternX = 4,
                               .frames = 2,
                               .sprites = {11, 12, 13, 14, 15, 16, 17, 18}}}});
  ASSERT_TRUE(ParseBytes(writer.Bytes(), appearance::Store()));
  struct Case {
    uint16_t look;
    gui::OutfitPose pose;
    int32_t sprite;
  };
  for (const Case& c : {
           Case{30, {}, 2},
           Case{30, {.patternX = 1}, 1},
           Case{30, {.patternX = 4, .frame = 3}, 12},
           Case{30, {.patternX = 3, .frame = 4}, 3},  // past the frames
           Case{30, {.patternX = 2, .group = 1}, 2},  // no walking group
           Case{31, {.patternX = 3, .group = 1, .frame = 2}, 17},
           Case{31, {.patternX = 3, .group = 0}, 3},
       }) {
    simulator.Host().Draws().clear();
    gui::DrawOutfitPicture({.lookType = c.look}, 100, 200, 32, c.pose);
    const std::vector<sim::DrawCall>& drawn = simulator.Host().Draws();
    ASSERT_EQ(drawn.size(), 1u) << c.look;
    EXPECT_EQ(drawn[0].args[5], c.sprite) << c.look << " x " << c.pose.patternX << " group "
                                          << int{c.pose.group} << " frame " << c.pose.frame;
  }
  EXPECT_EQ(gui::OutfitFrameCount(30, 0), 3);
  EXPECT_EQ(gui::OutfitFrameCount(30, 1), 3);
  EXPECT_EQ(gui::OutfitFrameCount(31, 1), 2);
}
