// The analyzer's arithmetic, tables and list drawing.
#include <gtest/gtest.h>

#include <limits>

#include "features/analyzer/analyzer_list.h"
#include "features/analyzer/experience.h"
#include "features/analyzer/tables.h"
#include "sim/simulator.h"

namespace analyzer {
namespace {

constexpr uint64_t kMaxU64 = std::numeric_limits<uint64_t>::max();
constexpr int64_t kMaxI64 = std::numeric_limits<int64_t>::max();

// 50 (L^3 - 6 L^2 + 17 L - 12) / 3 in 128 bits.
unsigned __int128 ExactExperience(uint64_t level) {
  if (level < 2) return 0;
  const unsigned __int128 l = level;
  return 50 * (l * l * l - 6 * l * l + 17 * l - 12) / 3;
}

TEST(AnalyzerExperience, LevelFormulaIsExactWhereItFitsAndSaturatesBeyond) {
  // 569,257 is the first level whose old signed product overflowed;
  // 1,034,406 the last whose experience fits in 64 bits.
  for (uint64_t level : {0ull, 1ull, 2ull, 3ull, 10ull, 200000ull, 569255ull, 569256ull, 569257ull,
                         569258ull, 1034406ull, 1034407ull, 4294967295ull, 4294967296ull}) {
    const unsigned __int128 exact = ExactExperience(level);
    const uint64_t expected = exact > kMaxU64 ? kMaxU64 : static_cast<uint64_t>(exact);
    EXPECT_EQ(ExperienceForLevel(level), expected) << "level " << level;
  }
  EXPECT_EQ(ExperienceForLevel(10), 9300u);
}

TEST(AnalyzerExperience, TimeTextIsNotCappedAt100Hours) {
  EXPECT_EQ(TimeText(3599), "00h:59m");
  EXPECT_EQ(TimeText(1234 * 3600 + 61), "1234h:01m");
}

TEST(AnalyzerExperience, GroupedChangeShowsLossesWithASign) {
  EXPECT_EQ(GroupedChange(0), "0");
  EXPECT_EQ(GroupedChange(-50000), "-50,000");
  EXPECT_EQ(GroupedChange(kMaxI64), "9,223,372,036,854,775,807");
  EXPECT_EQ(GroupedChange(std::numeric_limits<int64_t>::min()), "-9,223,372,036,854,775,808");
}

TEST(AnalyzerExperience, AHuntStartsAtTheFirstNonZeroSampleEvenAtSecondZero) {
  HuntRecord hunt;
  EXPECT_FALSE(TrackExperience(hunt, 0, 1, 0));
  EXPECT_FALSE(TrackExperience(hunt, 1000, 20, 0)) << "the first sample only starts the hunt";
  TrackExperience(hunt, 2000, 20, 0);  // the start's own second: no rate yet
  EXPECT_EQ(hunt.xpPerHour, 0);
  EXPECT_EQ(hunt.secondsToNextLevel, 0u) << "no rate, no estimate";
  EXPECT_TRUE(TrackExperience(hunt, 13345, 20, 600));
  EXPECT_EQ(hunt.gained, 12345);
  EXPECT_EQ(hunt.xpPerHour, 74070);
  EXPECT_EQ(hunt.secondsToNextLevel, (ExperienceForLevel(21) - 13345) * 3600 / 74070);
}

TEST(AnalyzerExperience, ADeathShowsTheLossAndKeepsTheEstimate) {
  HuntRecord hunt;
  TrackExperience(hunt, 100000, 20, 100);
  TrackExperience(hunt, 110000, 20, 136);  // 10,000 in 36 s
  const uint32_t estimate = hunt.secondsToNextLevel;
  TrackExperience(hunt, 60000, 19, 172);  // died: 50,000 lost
  EXPECT_EQ(hunt.gained, -40000);
  EXPECT_EQ(hunt.xpPerHour, -40000 * 3600 / 72);
  EXPECT_EQ(hunt.secondsToNextLevel, estimate) << "no positive rate, no new estimate";
  EXPECT_EQ(hunt.toNextLevel, ExperienceForLevel(20) - 60000);
}

TEST(AnalyzerExperience, ExtremeSamplesSaturateInsteadOfWrapping) {
  HuntRecord hunt;
  TrackExperience(hunt, 1, 2, 0);
  TrackExperience(hunt, kMaxU64, 2, 1);
  EXPECT_EQ(hunt.gained, kMaxI64);
  EXPECT_EQ(hunt.xpPerHour, kMaxI64);
  TrackExperience(hunt, 2, 4294967295u, 2);  // the next level saturates too
  EXPECT_EQ(hunt.toNextLevel, kMaxU64 - 2);
  EXPECT_EQ(hunt.secondsToNextLevel, std::numeric_limits<uint32_t>::max()) << "1,800 per hour";
  TrackExperience(hunt, 1ull << 62, 4294967295u, 3);
  EXPECT_EQ(hunt.xpPerHour, kMaxI64);
  EXPECT_EQ(hunt.secondsToNextLevel, 5400u) << "(2^64 - 1 - 2^62) x 3600 / (2^63 - 1)";
  EXPECT_GE(LevelPercent(hunt), 0);
}

TEST(AnalyzerExperience, NextLevelAndPercentAtSmallAndBoundaryLevels) {
  struct Case {
    uint32_t level;
    uint64_t exp;
    uint64_t toNext;
    int32_t percent;
  };
  const uint64_t base = ExperienceForLevel(569256), span = ExperienceForLevel(569257) - base;
  const Case cases[] = {
      {1, 50, 50, 50},
      {1, 150, 0, -1},  // beyond the next level: the bar keeps its value
      {0, 160, 0, -1},  // level 0 has no next level
      {569256, base + span / 2, span - span / 2, 50},
      {569256, base + span / 4, span - span / 4, 25},
      {1034405, ExperienceForLevel(1034405),
       ExperienceForLevel(1034406) - ExperienceForLevel(1034405), 0},
      {1034406, ExperienceForLevel(1034406), kMaxU64 - ExperienceForLevel(1034406), 0},
  };
  for (const Case& c : cases) {
    HuntRecord hunt;
    TrackExperience(hunt, 10, c.level, 100);
    TrackExperience(hunt, c.exp, c.level, 110);
    EXPECT_EQ(hunt.toNextLevel, c.toNext) << "level " << c.level;
    EXPECT_EQ(LevelPercent(hunt), c.percent) << "level " << c.level;
  }
}

TEST(AnalyzerTables, FirstAppearanceAndNameStayZeroAmountsCountOneCountsSaturate) {
  KillTable kills;
  CountKill(kills, "Rotworm", 26, {1, 2, 3, 4, 5});
  CountKill(kills, "Rotworm", 99, {9, 9, 9, 9, 9});
  EXPECT_EQ(kills.at("Rotworm").count, 2u);
  EXPECT_EQ(kills.at("Rotworm").lookType, 26);
  EXPECT_EQ(kills.at("Rotworm").look[0], 1);
  kills.at("Rotworm").count = std::numeric_limits<uint32_t>::max();
  CountKill(kills, "Rotworm", 26, {});
  EXPECT_EQ(kills.at("Rotworm").count, std::numeric_limits<uint32_t>::max());

  LootTable loot;
  AddLoot(loot, 3031, 7, "gold coin", 0);
  AddLoot(loot, 3031, 8, "golden coins", 20);
  EXPECT_EQ(loot.at(3031).total, 21u);
  EXPECT_EQ(loot.at(3031).itemTag, 8) << "the latest tag";
  EXPECT_EQ(loot.at(3031).name, "gold coin") << "the first name";
  loot.at(3031).drops = 65535;
  loot.at(3031).total = std::numeric_limits<uint32_t>::max() - 100;
  AddLoot(loot, 3031, 8, "gold coin", 255);
  EXPECT_EQ(loot.at(3031).drops, 65535);
  EXPECT_EQ(loot.at(3031).total, std::numeric_limits<uint32_t>::max());
}

TEST(AnalyzerTables, KillsAreOrderedByNameBytes) {
  KillTable kills;
  for (const char* name : {"rat", "Rat", "Bat", "bat"}) CountKill(kills, name, 0, {});
  std::vector<std::string> order;
  for (const auto& [name, row] : kills) order.push_back(name);
  EXPECT_EQ(order, (std::vector<std::string>{"Bat", "Rat", "bat", "rat"}));
}

// The simulator's font 1 is 6 pixels a character.
TEST(AnalyzerList, NamesAreCutToEighteenCharactersAndToTheRoomLeft) {
  sim::Simulator simulator;
  struct Case {
    const char* name;
    int32_t room;
    const char* shown;
  };
  const Case cases[] = {
      {"Eighteen Character", 108, "Eighteen Character"},
      {"Nineteen Characters", 500, "Nineteen Charac..."},
      {"Eighteen Character", 107, "Eighteen Chara..."},
      {"Nineteen Characters", 102, "Nineteen Chara..."},
      {"Rat", 18, "Rat"},
      {"Rats", 18, ""},  // not even one letter and "..." fit
      {"Dragon Lord", 24, "D..."},
      {"Great Health Potion", 96, "Great Health..."},  // no blank before the dots
  };
  for (const Case& c : cases) EXPECT_EQ(ShortName(c.name, c.room), c.shown) << c.room;
}

// At every height the list draws exactly the rows its scroll range counts
// on, so the last row can be scrolled into view, and none ends more than a
// pixel below the list.
TEST(AnalyzerList, EveryHeightShowsTheLastRowAtTheEndOfItsRange) {
  sim::Simulator simulator;
  std::vector<AnalyzerListRow> rows;
  for (int i = 0; i < 60; ++i) rows.push_back({"item " + std::to_string(i), 1});
  for (int32_t height = 0; height <= 620; ++height) {
    GUI_LootList list(0, 100, 164, height, 2032);
    list.SetRows(rows);
    list.scrollBar->SetPosition(1000, true);
    simulator.Host().Draws().clear();
    list.Draw();
    std::vector<std::pair<int32_t, std::string>> names;
    for (const auto& d : simulator.Host().Draws()) {
      if (d.name == "HostDrawText" && d.text.starts_with("item"))
        names.push_back({d.args[2], d.text});
    }
    const size_t shown = std::min<size_t>(rows.size(), list.VisibleRows());
    ASSERT_EQ(names.size(), shown) << "height " << height;
    if (shown == 0) continue;
    EXPECT_EQ(names.back().second, "item 59") << "height " << height;
    EXPECT_LE(names.back().first + 16, 100 + height + 1) << "height " << height;
  }
}

}  // namespace
}  // namespace analyzer
