// The cyclopedia's tables and arithmetic: class pictures, titles, boss
// levels and filters, kill bar parts, element colours and the search.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "features/cyclopedia/rules.h"

namespace cyclopedia {
namespace {

TEST(CyclopediaRules, ClassPictures) {
  const std::pair<const char*, SheetPoint> rows[] = {
      {"", {352, 0}},
      {"Nowhere", {352, 0}},
      {"plant", {412, 0}},
      {"Magical", {352, 62}},
      {"MAMMAL", {412, 62}},
      {"Extra Dimensional", {412, 186}},
      {"extra_dimensional", {412, 186}},
      {"Extra_Dimensional ", {352, 0}},
      {"humanoid", {352, 372}},
      {"Human", {352, 496}},
      {"amphibic", {412, 620}},
      {"aquatic", {352, 620}},
      {"\xC4quatic", {352, 0}},  // only A to Z change case
  };
  for (const auto& [name, point] : rows) EXPECT_EQ(ClassPicture(name), point) << name;
}

TEST(CyclopediaRules, Titles) {
  EXPECT_EQ(CreatureCardTitle(0, "Bat"), "Unknown");
  EXPECT_EQ(CreatureCardTitle(2, ""), "Unknown");
  EXPECT_EQ(CreatureCardTitle(1, "Fifteen Letters"), "Fifteen Letters");
  EXPECT_EQ(CreatureCardTitle(1, "Sixteen Letters!"), "Sixteen Letters...");
  EXPECT_EQ(TrackerRowName(""), "Unknown");
  EXPECT_EQ(TrackerRowName("Eighteen Character"), "Eighteen Character");
  EXPECT_EQ(TrackerRowName("Nineteen Characters"), "Nineteen Character...");
  const std::pair<uint8_t, const char*> progress[] = {
      {0, "?"}, {1, "0 / 3"}, {2, "1 / 3"}, {3, "2 / 3"}, {4, ""}, {255, ""}};
  for (const auto& [stage, text] : progress) EXPECT_EQ(CreatureProgressText(stage), text);
  const std::pair<uint8_t, const char*> occurrence[] = {
      {0, "Common"}, {1, "Uncommon"}, {2, "Semi-Rare"}, {3, "Rare"}, {4, "Common"}, {255, "Common"}};
  for (const auto& [value, text] : occurrence) EXPECT_STREQ(OccurrenceName(value), text);
  EXPECT_STREQ(LootHeading(4), "Very Rare:");
  EXPECT_EQ(LootHeading(5), nullptr);
}

TEST(CyclopediaRules, ElementColours) {
  const std::pair<uint16_t, gui::Color> rows[] = {{0, {220, 80, 80}},   {1, {220, 200, 0}},
                                                  {99, {220, 200, 0}},  {100, {160, 160, 160}},
                                                  {101, {80, 160, 80}}, {65535, {80, 160, 80}}};
  for (const auto& [value, colour] : rows) {
    const gui::Color got = ElementColor(value);
    EXPECT_EQ(got.r, colour.r) << value;
    EXPECT_EQ(got.g, colour.g) << value;
    EXPECT_EQ(got.b, colour.b) << value;
  }
}

TEST(CyclopediaRules, BossLevels) {
  struct Row {
    uint8_t category;
    uint32_t kills;
    int reached;
  };
  const Row rows[] = {{0, 24, 0}, {0, 25, 1},  {0, 299, 2}, {0, 300, 3}, {1, 4, 0},
                      {1, 5, 1},  {1, 20, 2},  {1, 60, 3},  {2, 0, 0},   {2, 1, 1},
                      {2, 3, 2},  {2, 4, 2},   {2, 5, 3},   {9, 25, 1},  {2, 4294967295u, 3}};
  for (const Row& row : rows) {
    EXPECT_EQ(BossLevelsReached(row.category, row.kills), row.reached)
        << int{row.category} << " " << row.kills;
  }
  EXPECT_STREQ(BossCategoryName(2), "Nemesis");
  EXPECT_STREQ(BossCategoryName(9), "Bane");
}

TEST(CyclopediaRules, BossFilters) {
  std::array<bool, 8> none{};
  EXPECT_TRUE(PassesBossFilters(none, 0, 0));
  std::array<bool, 8> nemesis{};
  nemesis[kFilterNemesis] = true;
  EXPECT_TRUE(PassesBossFilters(nemesis, 2, 0));
  EXPECT_FALSE(PassesBossFilters(nemesis, 0, 0));
  std::array<bool, 8> stages{};
  stages[kFilterNoKills] = stages[kFilterExpertise] = true;
  EXPECT_TRUE(PassesBossFilters(stages, 0, 0));
  EXPECT_FALSE(PassesBossFilters(stages, 0, 1));    // few kills
  EXPECT_FALSE(PassesBossFilters(stages, 0, 25));   // prowess
  EXPECT_TRUE(PassesBossFilters(stages, 0, 100));   // expertise
  EXPECT_FALSE(PassesBossFilters(stages, 0, 300));  // mastery
  stages[kFilterArchfoe] = true;
  EXPECT_TRUE(PassesBossFilters(stages, 1, 20));
  EXPECT_FALSE(PassesBossFilters(stages, 0, 100));
}

TEST(CyclopediaRules, KillBarParts) {
  const std::array<uint16_t, 3> t{10, 30, 60};
  struct Row {
    uint32_t kills;
    int32_t parts[3];
  };
  const Row rows[] = {{0, {0, 0, 0}},    {5, {50, 0, 0}},     {10, {100, 0, 0}},
                      {20, {100, 50, 0}}, {45, {100, 100, 50}}, {4294967295u, {100, 100, 100}}};
  for (const Row& row : rows) {
    for (int part = 0; part < 3; ++part) {
      EXPECT_EQ(BarPartFill(row.kills, t, part, 100), row.parts[part]) << row.kills << " " << part;
    }
  }
  // A zero threshold leaves its part empty; a threshold below the one
  // before fills only once reached.
  const std::array<uint16_t, 3> gap{5, 0, 3};
  EXPECT_EQ(BarPartFill(100, gap, 1, 100), 0);
  EXPECT_EQ(BarPartFill(2, gap, 2, 100), 66);
  const std::array<uint16_t, 3> falling{10, 5, 20};
  EXPECT_EQ(BarPartFill(7, falling, 1, 100), 100);
  EXPECT_EQ(BarPartFill(3, falling, 1, 100), 0);
  EXPECT_EQ(BarPartFill(5, t, 3, 100), 0);
}

TEST(CyclopediaRules, SearchAndPages) {
  EXPECT_TRUE(MatchesSearch(1, "Cave Rat", "rat"));
  EXPECT_TRUE(MatchesSearch(4, "RATTLE", "rat"));
  EXPECT_FALSE(MatchesSearch(1, "Bat", "rat"));
  EXPECT_FALSE(MatchesSearch(0, "Rat", "rat"));
  EXPECT_EQ(PageCount(0, 18), 1);
  EXPECT_EQ(PageCount(18, 18), 1);
  EXPECT_EQ(PageCount(19, 18), 2);
  EXPECT_EQ(PageCount(65535, 18), 3641);
}

}  // namespace
}  // namespace cyclopedia
