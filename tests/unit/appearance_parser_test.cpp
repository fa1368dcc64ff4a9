// The appearance file parser: both encodings, groups, animators, limits,
// and files that end early or carry damaged bytes.
#include "host/appearance/appearance_parser.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "appearance_writer.h"
#include "host/appearance/appearance_store.h"
#include "host/appearance/uniform_random.h"

namespace {

using appearance::AppearanceStore;
using appearance::Category;
using appearance::Encoding;
using appearance::Record;
using namespace appearance_test;

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
  RecordSpec item;
  item.attributes = {Values(0, {250}), Flag(3), Values(24, {8, 9}), Values(34, {77}),
                     Market(1, 2, 3, "magic sword", 4, 5)};
  writer.Set(Category::Item, 101, item);
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
  EXPECT_EQ(Flags(sword), (std::vector<int>{0, 3, 24, 33, 34}));
  EXPECT_EQ(sword.attributes[0], 250);
  EXPECT_EQ(sword.attributes[3], 8);
  EXPECT_EQ(sword.attributes[4], 9);
  EXPECT_EQ(sword.attributes[11], 77);
  EXPECT_EQ(store.Name(sword), "magic sword");
  ASSERT_NE(store.Market(sword), nullptr);
  EXPECT_EQ(store.Market(sword)->values[3], 4);
  EXPECT_EQ(store.Market(sword)->values[4], 5);

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

TEST_F(Parser, ExactSizeByteOnlyForGroupsWiderOrTallerThanOne) {
  writer.Set(Category::Item, 100, {.groups = {Group{}}});
  writer.Set(Category::Item, 101, {.groups = {Group{.width = 2, .exactSize = 64}}});
  writer.Set(Category::Item, 102, {.groups = {Group{.height = 2, .exactSize = 48}}});
  writer.Set(Category::Item, 103, {.attributes = {Flag(7)}});  // must still line up
  ASSERT_TRUE(Parse());
  EXPECT_EQ(At(Category::Item, 100).groups[0].dims[2], 32);
  EXPECT_EQ(At(Category::Item, 101).groups[0].dims[2], 64);
  EXPECT_EQ(At(Category::Item, 102).groups[0].dims[2], 48);
  EXPECT_TRUE(At(Category::Item, 103).HasFlag(7));
  EXPECT_EQ(Sprites(Category::Item, 103), (std::vector<uint32_t>{1}));
}

TEST_F(Parser, SpriteCountIsTheProductOfAllDimensionsButTheExactSize) {
  Group group{.width = 2,
              .height = 2,
              .exactSize = 64,
              .layers = 1,
              .patternX = 4,
              .patternY = 1,
              .patternZ = 1,
              .frames = 3};
  writer.Set(Category::Item, 100, {.groups = {group}});
  writer.Set(Category::Item, 101, {.attributes = {Flag(5)}});
  ASSERT_TRUE(Parse());
  EXPECT_EQ(Sprites(Category::Item, 100).size(), 48u);
  EXPECT_EQ(Sprites(Category::Item, 100).back(), 48u);
  EXPECT_TRUE(At(Category::Item, 101).HasFlag(5));
}

TEST_F(Parser, SpriteListsUpTo16384AreAccepted) {
  // 16,384 = 128 x 128 and 16,385 = 5 x 29 x 113.
  writer.Set(Category::Effect, 1, {.groups = {Group{.width = 128, .height = 128}}});
  ASSERT_TRUE(Parse());
  EXPECT_EQ(Sprites(Category::Effect, 1).size(), 16384u);

  writer.Set(Category::Effect, 1, {.groups = {Group{.width = 5, .height = 29, .layers = 113}}});
  EXPECT_FALSE(Parse());
  EXPECT_FALSE(store.Loaded());
  EXPECT_EQ(store.RecordCount(Category::Item), 0u);  // a failed parse leaves nothing behind
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

TEST_F(Parser, SectionOneHasNoAnimatorsEvenWithSeveralFrames) {
  RecordSpec record;
  record.groups = {Group{.frames = 3, .animation = Animation{.loops = 2}}};
  writer.Set(Category::Effect, 1, record);
  writer.Set(Category::Effect, 2, {.attributes = {Flag(5)}});
  ASSERT_TRUE(Parse());
  const auto& group = At(Category::Effect, 1).groups[0];
  ASSERT_NE(store.AnimatorOf(group), nullptr);  // section 2's
  EXPECT_EQ(store.AnimatorOf(group)->loops, 2u);
  EXPECT_EQ(Sprites(Category::Effect, 1), (std::vector<uint32_t>{1, 2, 3}));
  EXPECT_TRUE(At(Category::Effect, 2).HasFlag(5));
}

TEST_F(Parser, AnimatorsKeepModeLoopsStartAndNormalisedDurations) {
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
  const auto durations = store.Durations(*animator);
  ASSERT_EQ(durations.size(), 4u);
  EXPECT_EQ(durations[0].min, 100u);
  EXPECT_EQ(durations[0].max, 300u);
  EXPECT_EQ(durations[1].min, 0u);  // -100 becomes 0
  EXPECT_EQ(durations[1].max, 50u);
  EXPECT_EQ(durations[2].min, 400u);
  EXPECT_EQ(durations[2].max, 400u);  // below the minimum: the minimum
  EXPECT_EQ(durations[3].max, 10u);   // -1 is below 10

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
  RecordSpec two;
  two.groups = {Group{.type = 0, .layers = 2}, Group{.type = 1, .frames = 2}};
  writer.Set(Category::Outfit, 1, two);
  RecordSpec walkingOnly;
  walkingOnly.groups = {Group{.type = 1, .patternX = 4}};
  writer.Set(Category::Outfit, 2, walkingOnly);
  RecordSpec standingOnly;
  standingOnly.groups = {Group{.type = 0, .patternX = 2}};
  writer.Set(Category::Outfit, 3, standingOnly);
  writer.Set(Category::Outfit, 4, {.attributes = {Flag(1)}});
  ASSERT_TRUE(Parse());

  const Record& both = At(Category::Outfit, 1);
  EXPECT_EQ(both.groups[0].dims[3], 2);
  EXPECT_EQ(both.groups[1].dims[7], 2);
  EXPECT_TRUE(both.groups[1].present);
  EXPECT_NE(store.AnimatorOf(both.groups[1]), nullptr);
  EXPECT_FALSE(both.HasFlag(39));

  const Record& only = At(Category::Outfit, 2);
  EXPECT_TRUE(only.HasFlag(39));
  EXPECT_EQ(only.groups[0].dims[4], 4);
  EXPECT_FALSE(only.groups[1].present);

  EXPECT_FALSE(At(Category::Outfit, 3).HasFlag(39));
  EXPECT_FALSE(At(Category::Outfit, 3).groups[1].present);
  EXPECT_TRUE(At(Category::Outfit, 4).HasFlag(1));

  RecordSpec badType;
  badType.groups = {Group{.type = 2}};
  writer.Set(Category::Outfit, 1, badType);
  EXPECT_FALSE(Parse());
}

// A small file with something in every part: every shorter length must be
// refused without reading past the bytes, and the whole file accepted.
TEST_F(Parser, EveryTruncationIsRefused) {
  writer.Set(Category::Item, 100, {.attributes = {Market(1, 2, 3, "axe", 4, 5)}});
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
  }
  std::vector<uint8_t> longer = whole;
  longer.push_back(0x55);  // trailing bytes are not the parser's business
  EXPECT_TRUE(ParseBytes(longer, store));
}

// Damaged bytes may make a file invalid or change what it says, but the
// parser never reads outside the file (each copy is exactly its size, for
// AddressSanitizer) and never keeps an animator that points past its frames.
TEST_F(Parser, DamagedBytesNeverLeadOutOfBounds) {
  writer.Set(Category::Item, 100, {.attributes = {Market(1, 2, 3, "ring", 4, 5), Flag(13)}});
  RecordSpec outfit;
  outfit.groups = {Group{.type = 0, .frames = 2}, Group{.type = 1, .height = 2, .frames = 3}};
  writer.Set(Category::Outfit, 1, outfit);
  writer.Set(Category::Missile, 1, {.groups = {Group{.patternX = 3, .patternY = 3}}});
  const std::vector<uint8_t> whole = writer.Bytes();
  for (size_t at = 0; at < whole.size(); ++at) {
    for (const uint8_t value : {uint8_t{0x00}, uint8_t{0x10}, uint8_t{0x80}, uint8_t{0xFF}}) {
      std::vector<uint8_t> damaged = whole;
      damaged[at] = value;
      if (!ParseBytes(damaged, store)) continue;
      for (int c = 0; c < appearance::kCategoryCount; ++c) {
        const auto category = static_cast<Category>(c);
        for (uint32_t id = 0; id < store.RecordCount(category); ++id) {
          const Record& record = *store.Find(category, static_cast<uint16_t>(id));
          for (const auto& group : record.groups) {
            if (const auto* animator = store.AnimatorOf(group)) {
              ASSERT_LT(animator->startFrame, animator->frameCount);
              EXPECT_EQ(store.Durations(*animator).size(), group.dims[7]);
            }
          }
          (void)store.Name(record);
        }
      }
    }
  }
}

}  // namespace
