// The 49 appearance getters, reached the way the host reaches them: through
// the JMPs the patch table wrote over the host's own getter functions.
#include <gtest/gtest.h>

#include <vector>

#include "host/appearance/appearance_store.h"
#include "host/clock.h"
#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/library_data.h"
#include "sim/appearance_writer.h"
#include "sim/simulator.h"

namespace {

using appearance::Category;
using namespace sim::appearance_file;

class Getters : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.Start();
    host::ResetClockForTests();
    ClockMillis();  // the clock counts from here
    SpriteGroupIndex = 0;
    OutfitPatternZ() = 1;
  }
  void TearDown() override {
    SpriteGroupIndex = 0;
    OutfitPatternZ() = 1;
  }

  void Load() { ASSERT_TRUE(ParseBytes(writer.Bytes(), appearance::Store())); }
  int32_t Ask(uint32_t function, std::vector<uint32_t> args) {
    return static_cast<int32_t>(simulator.Host().Execute(function, std::move(args)));
  }
  void AdvanceTo(uint64_t millis) { simulator.Os().AdvanceClock(millis - ClockMillis()); }
  // AnimatedPhaseA, where the host asks for an item's phase.
  int32_t ItemPhase(uint32_t id) {
    return static_cast<int32_t>(simulator.Host().ExecuteCallSite(0x4B618F, {id}));
  }

  sim::Simulator simulator;
  AppearanceFileWriter writer;
};

// Every attribute slot and dimension holds a different value in each
// category, so a getter that reads the wrong slot, dimension or category
// answers something else.
RecordSpec Distinct(int category) {
  const auto a = [category](int slot) {
    return static_cast<uint16_t>(1000 * (category + 1) + slot);
  };
  RecordSpec record;
  record.attributes = {Values(0, {a(0)}),        Values(8, {a(1)}),        Values(9, {a(2)}),
                       Values(24, {a(3), a(4)}), Values(21, {a(5), a(6)}), Values(25, {a(7)}),
                       Values(28, {a(8)}),       Values(29, {a(9)}),       Values(32, {a(10)}),
                       Values(34, {a(11)})};
  record.groups = {Group{.width = 2, .height = 3, .exactSize = static_cast<uint8_t>(40 + category),
                         .layers = 4, .patternX = 5, .patternY = 6, .patternZ = 7}};
  return record;
}

constexpr uint8_t kDims[8] = {2, 3, 40, 4, 5, 6, 7, 1};  // + category for d2

struct Getter {
  uint32_t address;
  int category;
  char what;  // 'a' attribute or 'd' dimension
  int n;
};

constexpr Getter kGetters[] = {
    {0x501160, 0, 'a', 0}, {0x501310, 0, 'a', 5}, {0x5014C0, 0, 'a', 6}, {0x501670, 0, 'a', 3},
    {0x501820, 0, 'a', 4}, {0x5019D0, 0, 'a', 7}, {0x501B80, 0, 'a', 8}, {0x501D30, 0, 'a', 9},
    {0x501EE0, 0, 'd', 0}, {0x502090, 0, 'd', 1}, {0x502240, 0, 'd', 2}, {0x5023F0, 0, 'd', 3},
    {0x5025A0, 0, 'd', 4}, {0x502750, 0, 'd', 5}, {0x502900, 0, 'd', 6}, {0x502AB0, 0, 'd', 7},
    {0x502FE0, 1, 'a', 5}, {0x503190, 1, 'a', 6}, {0x503340, 1, 'a', 3}, {0x5034F0, 1, 'a', 4},
    {0x5036A0, 1, 'd', 0}, {0x503A00, 1, 'd', 1}, {0x503850, 1, 'd', 2}, {0x503BB0, 1, 'd', 3},
    {0x503F10, 1, 'd', 4}, {0x5040C0, 1, 'd', 5}, {0x503D60, 1, 'd', 7}, {0x5047C0, 2, 'a', 5},
    {0x504970, 2, 'a', 6}, {0x504B20, 2, 'd', 0}, {0x504CD0, 2, 'd', 1}, {0x504E80, 2, 'd', 3},
    {0x505030, 2, 'd', 4}, {0x5051E0, 2, 'd', 5}, {0x505390, 2, 'd', 7}, {0x5058C0, 3, 'a', 5},
    {0x505A70, 3, 'a', 6}, {0x505C20, 3, 'd', 0}, {0x505DD0, 3, 'd', 1}, {0x505F80, 3, 'd', 3},
};

uint32_t IdIn(int category) { return category == 0 ? 100 : 1; }

TEST_F(Getters, EachGetterReadsItsCategoryAttributeOrDimension) {
  for (int c = 0; c < 4; ++c) writer.Set(static_cast<Category>(c), IdIn(c), Distinct(c));
  Load();
  for (const Getter& g : kGetters) {
    const int expected =
        g.what == 'a' ? 1000 * (g.category + 1) + g.n : kDims[g.n] + (g.n == 2 ? g.category : 0);
    EXPECT_EQ(Ask(g.address, {IdIn(g.category)}), expected) << std::hex << g.address;
    // An id without a record answers 0, even for a0 (whose default is 100).
    EXPECT_EQ(Ask(g.address, {500}), 0) << std::hex << g.address;
  }
  EXPECT_EQ(Ask(0x501160, {0x10064}), 1000);  // ids are the low 16 bits
}

TEST_F(Getters, FlagTestsWithTheHostsSpecialCases) {
  writer.Set(Category::Item, 100, {.attributes = {Flag(3), Values(32, {1})}});
  writer.Set(Category::Item, 101, {.attributes = {Values(29, {1})}});
  writer.Set(Category::Outfit, 1, {.attributes = {Flag(5)}});
  writer.Set(Category::Effect, 1, {.attributes = {Flag(6)}});
  writer.Set(Category::Missile, 1, {.attributes = {Flag(7)}});
  Load();
  const struct {
    uint32_t getter, id, flag;
    int32_t answer;
  } cases[] = {{0x500EC0, 100, 3, 1},  {0x500EC0, 100, 32, 1},         {0x500EC0, 100, 4, 0},
               {0x500EC0, 101, 3, 0},  {0x500EC0, 100, 64, 0},         {0x500EC0, 900, 3, 0},
               {0x500EC0, 100, 0xFFFFFFFF, 0}, {0x502E30, 1, 5, 1},    {0x502E30, 1, 3, 0},
               {0x504610, 1, 6, 1},    {0x504610, 1, 7, 0},            {0x505710, 1, 7, 1},
               {0x505710, 1, 6, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(Ask(c.getter, {c.id, c.flag}), c.answer) << std::hex << c.getter << std::dec << " "
                                                       << c.id << " " << c.flag;
  }

  // Item 99 has no record: flag 15 and nothing else.
  EXPECT_EQ(Ask(0x500EC0, {99, 15}), 1);
  EXPECT_EQ(Ask(0x500EC0, {99, 3}), 0);
  // HostItemTypeFlag goes the same way.
  EXPECT_TRUE(HostItemTypeFlag(99, 15));
  EXPECT_TRUE(HostItemTypeFlag(100, 3));

  // Outfit flag 27 holds for every outfit while the standing group is read.
  EXPECT_EQ(Ask(0x502E30, {1, 27}), 1);
  EXPECT_EQ(Ask(0x502E30, {777, 27}), 1);
  SpriteGroupIndex = 1;
  EXPECT_EQ(Ask(0x502E30, {1, 27}), 0);
  EXPECT_EQ(Ask(0x502E30, {1, 5}), 1);
}

TEST_F(Getters, OutfitGettersReadTheSelectedGroup) {
  RecordSpec outfit;
  outfit.groups = {Group{.type = 0, .patternX = 4, .patternY = 2},
                   Group{.type = 1, .width = 2, .height = 2, .exactSize = 64, .layers = 2,
                         .frames = 3}};
  writer.Set(Category::Outfit, 1, outfit);
  Load();
  const auto dims = [&] {
    return std::vector<int32_t>{Ask(0x5036A0, {1}), Ask(0x503A00, {1}), Ask(0x503850, {1}),
                                Ask(0x503BB0, {1}), Ask(0x503F10, {1}), Ask(0x5040C0, {1}),
                                Ask(0x503D60, {1})};
  };
  // d0, d1, d2, d3, d4, d5, d7: dimensions 4 and 5 always come from group 0.
  EXPECT_EQ(dims(), (std::vector<int32_t>{1, 1, 32, 1, 4, 2, 1}));
  SpriteGroupIndex = 1;
  EXPECT_EQ(dims(), (std::vector<int32_t>{2, 2, 64, 2, 4, 2, 3}));
}

TEST_F(Getters, OutfitDimensionFiveMapped) {
  const int mapped[] = {0, 0, 1, 3, 7, 0};  // by dimension 5
  for (uint8_t d5 = 1; d5 <= 5; ++d5)
    writer.Set(Category::Outfit, d5, {.groups = {Group{.patternY = d5}}});
  Load();
  for (uint32_t d5 = 1; d5 <= 5; ++d5) EXPECT_EQ(Ask(0x504270, {d5}), mapped[d5]) << d5;
  EXPECT_EQ(Ask(0x504270, {99}), 0);
}

// Sprite lists run width fastest, then height, layer, pattern x, y, z and
// frame; the writer numbers the sprites 1, 2, 3, ... in that order, so a
// step of one coordinate moves the id by that coordinate's stride.
TEST_F(Getters, ItemSpritesAreLaidOutWidthFirst) {
  writer.Set(Category::Item, 100,
             {.groups = {Group{.width = 2, .height = 2, .exactSize = 64, .layers = 2,
                               .patternX = 2, .patternY = 3, .patternZ = 2}}});
  Load();
  const std::pair<std::vector<uint32_t>, int32_t> cases[] = {
      {{1, 1, 1, 1, 1, 1}, 1},  {{2, 1, 1, 1, 1, 1}, 2},  {{1, 2, 1, 1, 1, 1}, 3},
      {{1, 1, 2, 1, 1, 1}, 5},  {{1, 1, 1, 2, 1, 1}, 9},  {{1, 1, 1, 1, 2, 1}, 17},
      {{1, 1, 1, 1, 1, 2}, 49}, {{2, 2, 2, 2, 3, 2}, 96}, {{1, 1, 1, 1, 1, 3}, 0},  // past the list
      {{0, 1, 1, 1, 1, 1}, 0},  // no coordinate 0
      {{1, 1, 1, 1, 1, 0x7FFFFFFF}, 0}};
  for (const auto& [at, id] : cases) {
    std::vector<uint32_t> args = {100};
    args.insert(args.end(), at.begin(), at.end());
    EXPECT_EQ(Ask(0x502C60, args), id) << testing::PrintToString(at);
  }
  EXPECT_EQ(Ask(0x502C60, {101, 1, 1, 1, 1, 1, 1}), 0);  // no record
}

TEST_F(Getters, MissileDirectionsPickTheirPattern) {
  // Patterns 3 x 3: the sprite of zero-based pattern (x, y) is 100 + 10 * x + y.
  std::vector<uint32_t> sprites;
  for (uint32_t y = 0; y < 3; ++y) {
    for (uint32_t x = 0; x < 3; ++x) sprites.push_back(100 + 10 * x + y);
  }
  writer.Set(Category::Missile, 1,
             {.groups = {Group{.patternX = 3, .patternY = 3, .sprites = sprites}}});
  Load();
  const int32_t byDirection[] = {110, 120, 121, 122, 112, 102, 101, 100};
  for (uint32_t direction = 0; direction < 8; ++direction) {
    EXPECT_EQ(Ask(0x506130, {1, 1, 1, 1, direction, 1}), byDirection[direction]) << direction;
  }
  for (uint32_t other : {8u, 9u, 100u, 0xFFFFFFFFu}) {
    EXPECT_EQ(Ask(0x506130, {1, 1, 1, 1, other, 1}), 111) << other;
  }
}

TEST_F(Getters, EffectsTakeTheHostsFrameButEffect13ItsOwnAnimation) {
  const Group animated{.frames = 3,
                       .animation = Animation{.durations = {{100, 100}, {100, 100}, {100, 100}}},
                       .sprites = {1, 2, 3}};
  for (uint16_t id = 12; id <= 13; ++id) writer.Set(Category::Effect, id, {.groups = {animated}});
  Load();
  AdvanceTo(150);  // frame 2 of the clock's animation
  EXPECT_EQ(Ask(0x505540, {12, 1, 1, 1, 1, 1, 1, 3}), 3);
  EXPECT_EQ(Ask(0x505540, {13, 1, 1, 1, 1, 1, 1, 3}), 2);
  EXPECT_EQ(Ask(0x505540, {12, 1, 1, 1, 1, 1, 1, 4}), 0);
}

// Durations 100, 100..300 (middle 200), 50: a cycle of 350 ms.
TEST_F(Getters, AnimatedItemsFollowTheClockWithTheMiddleOfEachDuration) {
  const Animation animation{.durations = {{100, 100}, {100, 300}, {50, 50}}};
  writer.Set(Category::Item, 100, {.groups = {Group{.frames = 3, .animation = animation}}});
  Animation late = animation;
  late.start = 2;
  writer.Set(Category::Item, 101, {.groups = {Group{.frames = 3, .animation = late}}});
  Load();
  struct Step {
    uint64_t at;
    int32_t frame, lateFrame;
  };
  // Item 101 starts on its third frame, which ends 50 ms later.
  for (const Step s : {Step{0, 1, 3}, Step{49, 1, 3}, Step{50, 1, 1}, Step{99, 1, 1},
                       Step{100, 2, 1}, Step{150, 2, 2}, Step{300, 3, 2}, Step{349, 3, 2},
                       Step{350, 1, 3}, Step{400, 1, 1}, Step{3500 + 120, 2, 1}}) {
    AdvanceTo(s.at);
    EXPECT_EQ(Ask(0x502C60, {100, 1, 1, 1, 1, 1, 1}), s.frame) << s.at;
    EXPECT_EQ(Ask(0x502C60, {101, 1, 1, 1, 1, 1, 1}), s.lateFrame) << s.at;
    EXPECT_EQ(ItemPhase(100), s.frame) << s.at;
  }
  EXPECT_EQ(ItemPhase(900), 1);  // no record: the first frame
}

}  // namespace
