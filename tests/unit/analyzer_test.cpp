// The analyzer's arithmetic, tables and list drawing.
#include <gtest/gtest.h>

#include "features/analyzer/analyzer.h"
#include "features/analyzer/analyzer_list.h"
#include "features/analyzer/experience.h"
#include "features/analyzer/tables.h"
#include "sim/simulator.h"

namespace analyzer {
namespace {

TEST(AnalyzerExperience, LevelFormula) {
  EXPECT_EQ(ExperienceForLevel(0), 0u);
  EXPECT_EQ(ExperienceForLevel(1), 0u);
  EXPECT_EQ(ExperienceForLevel(2), 100u);
  EXPECT_EQ(ExperienceForLevel(3), 200u);
  EXPECT_EQ(ExperienceForLevel(10), 9300u);
  // 50 (L^3 - 6 L^2 + 17 L - 12) / 3 for a level whose cube needs 64 bits.
  const uint64_t level = 200000;
  EXPECT_EQ(ExperienceForLevel(200000),
            50 * (level * level * level - 6 * level * level + 17 * level - 12) / 3);
  EXPECT_GT(ExperienceForLevel(200000), uint64_t{1} << 32);
}

TEST(AnalyzerExperience, TimeTextIsNotCappedAt100Hours) {
  EXPECT_EQ(TimeText(0), "00h:00m");
  EXPECT_EQ(TimeText(3599), "00h:59m");
  EXPECT_EQ(TimeText(100 * 3600), "100h:00m");
  EXPECT_EQ(TimeText(1234 * 3600 + 61), "1234h:01m");
}

TEST(AnalyzerExperience, AHuntStartsAtTheFirstNonZeroSample) {
  HuntRecord hunt;
  EXPECT_FALSE(TrackExperience(hunt, 0, 1, 100));
  EXPECT_EQ(hunt.startExp, 0u);
  EXPECT_FALSE(TrackExperience(hunt, 1000, 8, 100)) << "the first sample only starts the hunt";
  EXPECT_EQ(hunt.startTime, 100u);
  EXPECT_TRUE(TrackExperience(hunt, 13345, 8, 700));
  EXPECT_EQ(hunt.gained, 12345u);
  EXPECT_EQ(hunt.xpPerHour, 74070u);
}

TEST(AnalyzerExperience, AHuntMayStartInTheClocksFirstSecond) {
  HuntRecord hunt;
  TrackExperience(hunt, 5000, 8, 0);
  EXPECT_TRUE(TrackExperience(hunt, 17345, 8, 600));
  EXPECT_EQ(hunt.xpPerHour, 74070u);
}

TEST(AnalyzerExperience, RatesStayWhenNothingCanBeMeasured) {
  HuntRecord hunt;
  TrackExperience(hunt, 1000, 20, 100);
  TrackExperience(hunt, 2000, 20, 100);  // the start's own second: no rate yet
  EXPECT_EQ(hunt.xpPerHour, 0u);
  EXPECT_EQ(hunt.secondsToNextLevel, 0u) << "no rate, no estimate";
  EXPECT_EQ(hunt.gained, 1000u);
  TrackExperience(hunt, 2000, 20, 136);  // 1000 in 36 s: 100,000 per hour
  EXPECT_EQ(hunt.xpPerHour, 100000u);
  EXPECT_EQ(hunt.secondsToNextLevel,
            static_cast<uint32_t>((ExperienceForLevel(21) - 2000) * 3600 / 100000));
}

TEST(AnalyzerExperience, NextLevelRules) {
  HuntRecord hunt;
  TrackExperience(hunt, 10, 1, 100);
  TrackExperience(hunt, 50, 1, 110);
  EXPECT_EQ(hunt.toNextLevel, 50u) << "level 2 needs 100";
  EXPECT_EQ(LevelPercent(hunt), 50);
  TrackExperience(hunt, 150, 1, 120);  // beyond the next level
  EXPECT_EQ(hunt.toNextLevel, 0u);
  EXPECT_EQ(LevelPercent(hunt), -1) << "the bar keeps its value";
  TrackExperience(hunt, 160, 0, 130);
  EXPECT_EQ(hunt.toNextLevel, 0u) << "level 0 has no next level";
}

TEST(AnalyzerTables, FirstAppearanceStaysAndZeroAmountsCountOne) {
  KillTable kills;
  CountKill(kills, "Rotworm", 26, {1, 2, 3, 4, 5});
  CountKill(kills, "Rotworm", 99, {9, 9, 9, 9, 9});
  ASSERT_EQ(kills.size(), 1u);
  EXPECT_EQ(kills.at("Rotworm").count, 2u);
  EXPECT_EQ(kills.at("Rotworm").lookType, 26);
  EXPECT_EQ(kills.at("Rotworm").look[0], 1);

  LootTable loot;
  AddLoot(loot, 3031, 7, "gold coin", 0);
  AddLoot(loot, 3031, 8, "golden coins", 20);
  EXPECT_EQ(loot.at(3031).total, 21u);
  EXPECT_EQ(loot.at(3031).drops, 2);
  EXPECT_EQ(loot.at(3031).itemTag, 8) << "the latest tag";
  EXPECT_EQ(loot.at(3031).name, "gold coin") << "the first name";
}

TEST(AnalyzerTables, KillsAreOrderedByNameBytes) {
  KillTable kills;
  for (const char* name : {"rat", "Rat", "Bat", "bat"}) CountKill(kills, name, 0, {});
  std::vector<std::string> order;
  for (const auto& [name, row] : kills) order.push_back(name);
  EXPECT_EQ(order, (std::vector<std::string>{"Bat", "Rat", "bat", "rat"}));
}

TEST(AnalyzerList, ShortNames) {
  EXPECT_EQ(ShortName("Eighteen Character"), "Eighteen Character");
  EXPECT_EQ(ShortName("Nineteen Characters"), "Nineteen Charac...");
}

TEST(AnalyzerList, AStretchedListShowsItsVisibleRowsAndScrollsToTheLast) {
  sim::Simulator simulator;
  GUI_LootList list(0, 0, 164, 567, 2032);
  EXPECT_EQ(list.VisibleRows(), 35);
  std::vector<AnalyzerListRow> rows;
  for (int i = 0; i < 40; ++i) rows.push_back({"item " + std::to_string(i), 1});
  list.SetRows(rows);
  auto countRows = [&] {
    simulator.Host().Draws().clear();
    list.Draw();
    int names = 0;
    std::string last;
    for (const auto& d : simulator.Host().Draws()) {
      if (d.name == "HostDrawText" && d.text.rfind("item", 0) == 0) {
        ++names;
        last = d.text;
      }
    }
    return std::make_pair(names, last);
  };
  EXPECT_EQ(countRows(), std::make_pair(35, std::string("item 34")));
  list.scrollBar->SetPosition(100, true);
  EXPECT_EQ(countRows(), std::make_pair(35, std::string("item 39")));
  list.SetRows(rows);  // a refresh keeps the scroll position
  EXPECT_EQ(countRows().second, "item 39");
}

}  // namespace
}  // namespace analyzer
