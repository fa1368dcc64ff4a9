// The appearance file parser: both encodings, groups, animators, limits,
// and files that end early or carry damaged bytes.
#include "host/appearance/appearance_parser.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "host/appearance/appearance_store.h"
#include "host/appearance/uniform_random.h"
#include "sim/appearance_writer.h"

namespace {

using appearance::AppearanceStore;
using appearance::Category;
using appearance::Encoding;
using appearance::Record;
using namespace sim::appearance_file;

class Parser : public ::testing::Test {
 protected:
  bool Parse() { return ParseBytes(writer.Bytes(), store); }

  const Record& At(Category category, uint16_t id) {
    const Record* record = store.Find(category, id);
    EXPECT_NE(record, nullptr) << "no record " << id;
    static const Record kNone;
    return record != nullptr ? *record : kNone;
  }

  std::vector<uint32_t> Sprites(Category category, uint16_t id, int group = 0) {
    const auto span = store.Sprites(At(category, id).groups[group]);
    return {span.begin(), span.end()};
  }

  std::vector<int> Flags(const Record& record) {
    std::vector<int> bits;
    for (int bit = 0; bit < 64; ++bit) {
      if (record.HasFlag(bit)) bits.push_back(bit);
    }
    return bits;
  }

  AppearanceFileWriter writer;
  AppearanceStore store;
};

TEST_F(Parser, FillsEveryCategoryFromSectionTwoWithDefaultsForUnfilledIds) {
  // (The getters decide each attribute slot; the appearance command prints
  // the market values and the name.)
  writer.Set(Category::Item, 101, {.attributes = {Values(0, {250}), Flag(3), Values(34, {77}),
                                                  Market(1, 2, 3, "", 4, 5)}});
  writer.Set(Category::Outfit, 2);
  writer.Set(Category::Effect, 1);
  writer.Set(Category::Missile, 3);
  writer.signature = 0xCAFE0001;
  ASSERT_TRUE(Parse());
  EXPECT_TRUE(store.Loaded());
  EXPECT_EQ(store.Signature(), 0xCAFE0001u);
  EXPECT_EQ(store.RecordCount(Category::Item), 102u);
  EXPECT_EQ(store.RecordCount(Category::Outfit), 3u);
  EXPECT_EQ(store.RecordCount(Category::Effect), 2u);
  EXPECT_EQ(store.RecordCount(Category::Missile), 4u);
  EXPECT_EQ(store.Find(Category::Missile, 4), nullptr);
  EXPECT_EQ(store.Find(static_cast<Category>(4), 0), nullptr);

  const Record& sword = At(Category::Item, 101);
  EXPECT_EQ(Flags(sword), (std::vector<int>{0, 3, 33, 34}));
  EXPECT_EQ(sword.attributes[0], 250);
  EXPECT_EQ(sword.attributes[11], 77);

  // Ids below 100 and id 0 are default records: a0 100, nothing else.
  for (const Record* empty :
       {&At(Category::Item, 0), &At(Category::Item, 99), &At(Category::Outfit, 0)}) {
    EXPECT_EQ(empty->flags, 0u);
    EXPECT_EQ(empty->attributes[0], 100);
    EXPECT_FALSE(empty->groups[0].present);
    EXPECT_EQ(store.Name(*empty), "");
  }
  EXPECT_EQ(At(Category::Item, 100).attributes[0], 100);  // a plain record keeps the default
}

// The exact-size byte is there only for groups wider or taller than 1; the
// sprite count is the product of every dimension but it, up to 16,384. Item
// 101 after the group must still line up.
TEST_F(Parser, GroupSizes) {
  struct Case {
    Group group;
    uint8_t exactSize;
    size_t sprites;  // 0: the file is invalid
  };
  const Case cases[] = {
      {Group{}, 32, 1},
      {Group{.width = 2, .exactSize = 64}, 64, 2},
      {Group{.height = 2, .exactSize = 48}, 48, 2},
      {Group{.width = 2, .height = 2, .exactSize = 64, .patternX = 4, .frames = 3}, 64, 48},
      {Group{.width = 128, .height = 128}, 32, 16384},
      {Group{.width = 5, .height = 29, .layers = 113}, 0, 0},  // 16,385
  };
  for (const Case& c : cases) {
    writer.Set(Category::Item, 100, {.groups = {c.group}});
    writer.Set(Category::Item, 101, {.attributes = {Flag(7)}});
    const uint64_t count = c.group.SpriteCount();
    ASSERT_EQ(Parse(), c.sprites != 0) << count;
    if (c.sprites == 0) {
      EXPECT_FALSE(store.Loaded());
      EXPECT_EQ(store.RecordCount(Category::Item), 0u);  // a failed parse leaves nothing behind
      continue;
    }
    EXPECT_EQ(At(Category::Item, 100).groups[0].dims[2], c.exactSize) << count;
    const std::vector<uint32_t> sprites = Sprites(Category::Item, 100);
    EXPECT_EQ(sprites.size(), c.sprites);
    EXPECT_EQ(sprites.back(), c.sprites);
    EXPECT_TRUE(At(Category::Item, 101).HasFlag(7)) << count;
  }
}

TEST_F(Parser, AttributeListsEndWithin255Bytes) {
  for (const Encoding section : {Encoding::Section1, Encoding::Section2}) {
    for (const size_t count : {size_t{254}, size_t{255}}) {
      RecordSpec record;
      const std::vector<Attribute> many(count, Flag(1));
      if (section == Encoding::Section1) {
        record.section1Attributes = many;
      } else {
        record.attributes = many;
      }
      writer.Set(Category::Item, 100, record);
      EXPECT_EQ(Parse(), count == 254)
          << count << " attributes in section " << (section == Encoding::Section1 ? 1 : 2);
    }
  }
}

TEST_F(Parser, SectionTwoTranslatesAttributeBytes) {
  struct Case {
    uint8_t raw;
    std::vector<int> flags;
  };
  const Case cases[] = {{15, {}},                   // flag 15 needs flag 13 before it
                        {16, {27, 39}},             // the byte 16 stands for attribute 253
                        {17, {16}},                 // 17 .. 254 move down by one
                        {38, {37}},     {200, {}},  // 199: no meaning
                        {253, {38}},    {254, {27, 39}}};
  for (const Case& c : cases) {
    writer.Set(Category::Item, 100,
               {.attributes = {Raw(c.raw)}, .section1Attributes = std::vector<Attribute>{}});
    ASSERT_TRUE(Parse()) << int{c.raw};
    EXPECT_EQ(Flags(At(Category::Item, 100)), c.flags) << int{c.raw};
  }
  // Bytes whose translation carries data read it: 22 is attribute 21
  // (a5, a6), 34 is attribute 33 (the market values and the name).
  writer.Set(Category::Item, 100,
             {.attributes = {Raw(22, {5, 6}), Raw(13), Raw(15), Raw(34, {1, 2, 3, 2, 0x6B6F, 4, 5}),
                             Flag(2)},
              .section1Attributes = std::vector<Attribute>{}});
  writer.Set(Category::Item, 101, {.attributes = {Flag(4)}});
  ASSERT_TRUE(Parse());
  const Record& record = At(Category::Item, 100);
  EXPECT_EQ(Flags(record), (std::vector<int>{2, 13, 15, 21, 33}));
  EXPECT_EQ(record.attributes[5], 5);
  EXPECT_EQ(record.attributes[6], 6);
  EXPECT_EQ(store.Name(record), "ok");
  ASSERT_NE(store.Market(record), nullptr);
  EXPECT_EQ(store.Market(record)->values[4], 5);
  EXPECT_TRUE(At(Category::Item, 101).HasFlag(4));
}

// Section 1 is only checked, but it must be read with its own translation:
// 22 there is a flag without data (in section 2 it would take two values),
// 36 and 38 .. 254 are flags without data, and 34 takes a value (in section 2
// it would be the market data).
TEST_F(Parser, SectionOneIsReadWithItsOwnTranslation) {
  writer.Set(Category::Item, 100,
             {.attributes = {Flag(6)},
              .section1Attributes = {{Raw(22), Raw(36), Raw(38), Raw(200), Raw(254), Raw(34, {9}),
                                      Raw(33, {1, 2, 3, 0, 4, 5})}}});
  writer.Set(Category::Item, 101, {.attributes = {Flag(7)}});
  ASSERT_TRUE(Parse());
  EXPECT_EQ(Flags(At(Category::Item, 100)), (std::vector<int>{6}));
  EXPECT_TRUE(At(Category::Item, 101).HasFlag(7));
}

TEST_F(Parser, AnimatorsKeepModeLoopsStartAndNormalisedDurations) {
  // A negative minimum becomes 0, a maximum below the minimum the minimum.
  Animation animation{.mode = 0,
                      .loops = 7,
                      .start = 2,
                      .durations = {{100, 300}, {0xFFFFFF9C, 50}, {400, 200}, {10, 0xFFFFFFFF}}};
  writer.Set(Category::Item, 100, {.groups = {Group{.frames = 4, .animation = animation}}});
  writer.Set(Category::Item, 101,
             {.groups = {Group{.frames = 2, .animation = Animation{.mode = 5, .start = 9}}}});
  writer.Set(Category::Item, 102, {.groups = {Group{.frames = 1}}});
  ASSERT_TRUE(Parse());

  const auto* animator = store.AnimatorOf(At(Category::Item, 100).groups[0]);
  ASSERT_NE(animator, nullptr);
  EXPECT_TRUE(animator->modeZero);
  EXPECT_EQ(animator->loops, 7u);
  EXPECT_EQ(animator->startFrame, 2u);
  std::vector<std::pair<uint32_t, uint32_t>> durations;
  for (const auto& d : store.Durations(*animator)) durations.emplace_back(d.min, d.max);
  EXPECT_EQ(durations, (std::vector<std::pair<uint32_t, uint32_t>>{
                           {100, 300}, {0, 50}, {400, 400}, {10, 10}}));

  const auto* other = store.AnimatorOf(At(Category::Item, 101).groups[0]);
  ASSERT_NE(other, nullptr);
  EXPECT_FALSE(other->modeZero);
  EXPECT_EQ(other->startFrame, 0u);  // 9 is no frame of two: the first
  EXPECT_EQ(store.AnimatorOf(At(Category::Item, 102).groups[0]), nullptr);
}

TEST_F(Parser, RandomStartFramesAreDrawnWithinTheFramesAndRepeatWithTheSeed) {
  for (uint16_t id = 1; id <= 200; ++id) {
    writer.Set(Category::Effect, id,
               {.groups = {Group{.frames = 4, .animation = Animation{.start = -1}}}});
  }
  const auto starts = [&] {
    std::vector<uint32_t> chosen;
    for (uint16_t id = 1; id <= 200; ++id) {
      chosen.push_back(store.AnimatorOf(At(Category::Effect, id).groups[0])->startFrame);
    }
    return chosen;
  };
  appearance::SeedUniformRandom(7);
  ASSERT_TRUE(Parse());
  const std::vector<uint32_t> first = starts();
  EXPECT_EQ(std::set<uint32_t>(first.begin(), first.end()), (std::set<uint32_t>{0, 1, 2, 3}));
  appearance::SeedUniformRandom(7);
  ASSERT_TRUE(Parse());
  EXPECT_EQ(starts(), first);
}

TEST_F(Parser, OutfitGroupsGoToTheGroupOfTheirType) {
  writer.Set(Category::Outfit, 1,
             {.groups = {Group{.type = 0, .layers = 2}, Group{.type = 1, .frames = 2}}});
  writer.Set(Category::Outfit, 2, {.groups = {Group{.type = 1, .patternX = 4}}});
  writer.Set(Category::Outfit, 3, {.groups = {Group{.type = 0, .patternX = 2}}});
  // A type named twice: the second group replaces the first entirely, its
  // animator included (a 1-frame group must not keep a 2-frame animator).
  writer.Set(Category::Outfit, 4,
             {.attributes = {Flag(1)},
              .groups = {Group{.type = 0, .frames = 2}, Group{.type = 0, .patternX = 3}}});
  ASSERT_TRUE(Parse());

  const Record& both = At(Category::Outfit, 1);
  EXPECT_EQ(both.groups[0].dims[3], 2);
  EXPECT_EQ(both.groups[1].dims[7], 2);
  EXPECT_NE(store.AnimatorOf(both.groups[1]), nullptr);
  EXPECT_FALSE(both.HasFlag(39));

  const Record& only = At(Category::Outfit, 2);  // one group of type 1
  EXPECT_TRUE(only.HasFlag(39));
  EXPECT_EQ(only.groups[0].dims[4], 4);
  EXPECT_FALSE(only.groups[1].present);

  EXPECT_FALSE(At(Category::Outfit, 3).HasFlag(39));
  EXPECT_FALSE(At(Category::Outfit, 3).groups[1].present);

  const Record& twice = At(Category::Outfit, 4);
  EXPECT_TRUE(twice.HasFlag(1));
  EXPECT_EQ(twice.groups[0].dims[7], 1);
  EXPECT_EQ(store.AnimatorOf(twice.groups[0]), nullptr);
  EXPECT_EQ(Sprites(Category::Outfit, 4), (std::vector<uint32_t>{1, 2, 3}));

  writer.Set(Category::Outfit, 1, {.groups = {Group{.type = 2}}});
  EXPECT_FALSE(Parse());
}

// A small file with something in every part: every shorter length must be
// refused without reading past the bytes, and the whole file accepted. Each
// cut goes into a fresh store too, whose empty pools have no storage at all
// (a file that ends just after its second header once copied its sprites
// to a null pointer).
TEST_F(Parser, EveryTruncationIsRefused) {
  // Item 100 is a plain record: cut one byte into section 2, its attribute
  // list has ended and its group lies wholly past the end.
  writer.Set(Category::Item, 101, {.attributes = {Market(1, 2, 3, "axe", 4, 5)}});
  RecordSpec outfit;
  outfit.groups = {Group{.type = 0}, Group{.type = 1, .width = 2, .frames = 2}};
  writer.Set(Category::Outfit, 1, outfit);
  writer.Set(Category::Effect, 1, {.groups = {Group{.frames = 2}}});
  writer.Set(Category::Missile, 1, {.attributes = {Values(0, {7})}});
  const std::vector<uint8_t> whole = writer.Bytes();
  ASSERT_TRUE(ParseBytes(whole, store));
  for (size_t length = 0; length < whole.size(); ++length) {
    // An exact-size copy, so AddressSanitizer sees any read beyond it.
    const std::vector<uint8_t> cut(whole.begin(), whole.begin() + length);
    EXPECT_FALSE(ParseBytes(cut, store)) << "length " << length;
    EXPECT_FALSE(store.Loaded());
    AppearanceStore fresh;
    EXPECT_FALSE(ParseBytes(cut, fresh)) << "length " << length;
  }
  std::vector<uint8_t> longer = whole;
  longer.push_back(0x55);  // trailing bytes are not the parser's business
  EXPECT_TRUE(ParseBytes(longer, store));
}

}  // namespace
