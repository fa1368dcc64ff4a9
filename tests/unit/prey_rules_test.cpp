// The prey system's texts, time bar and reroll checks.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "features/prey/rules.h"
#include "gui/time_bar.h"

namespace prey {
namespace {

TEST(PreyRules, AbbreviatedAmounts) {
  const std::pair<uint64_t, const char*> rows[] = {
      {0, "0"},
      {999, "999"},
      {1000, "1k"},
      {999'999, "1.0kk"},
      {999'999'999, "1.0bi"},
      {1500, "1.5k"},
      {2000, "2k"},
      {999'000, "999k"},
      {1'000'000, "1kk"},
      {2'500'000, "2.5kk"},
      {1'000'000'000, "1bi"},
      {1'500'000'000, "1.5bi"},
      {4'294'967'295, "4.3bi"},
      {18'000'000'000'000'000'000ULL, "18000000000bi"},
  };
  for (const auto& [value, text] : rows) EXPECT_EQ(AbbreviatedAmount(value), text) << value;
}

TEST(PreyRules, TimeTexts) {
  const std::pair<uint16_t, const char*> left[] = {{0, "00:00"},    {59, "00:00"},
                                                   {60, "00:01"},   {3599, "00:59"},
                                                   {7200, "02:00"}, {65535, "18:12"}};
  for (const auto& [seconds, text] : left) EXPECT_EQ(TimeLeftText(seconds), text) << seconds;
  const std::pair<uint16_t, const char*> free[] = {
      {0, "Free"}, {1, "00:01"}, {61, "01:01"}, {1200, "20:00"}, {65535, "1092:15"}};
  for (const auto& [minutes, text] : free) EXPECT_EQ(FreeRerollText(minutes), text) << minutes;
}

TEST(PreyRules, TimeBarIsFullFromTwoHoursAndNeverEmptyWhileTimeIsLeft) {
  struct Row {
    uint16_t timeLeft;
    int32_t value;
    int32_t fill;  // of a 194-pixel bar
  };
  const Row rows[] = {{0, 0, 0},       {1, 0, 0},       {72, 0, 0},
                      {144, 1, 2},     {3600, 45, 97},  {7199, 89, 191},
                      {7200, 90, 194}, {7201, 90, 194}, {65535, 90, 194}};
  for (const Row& r : rows) {
    EXPECT_EQ(TimeBarValue(r.timeLeft), r.value) << r.timeLeft;
    EXPECT_EQ(gui::TimeBarFill(194, r.value), r.fill) << r.timeLeft;
  }
  EXPECT_EQ(gui::TimeBarFill(20, 1), 1);  // a sliver stays visible
}

TEST(PreyRules, ListRerollNeedsTheFreeRerollOrEnoughGoldInSixtyFourBits) {
  struct Row {
    uint16_t freeMinutes;
    uint64_t kind0, kind1;
    uint32_t price;
    bool allowed;
  };
  constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
  const Row rows[] = {
      {0, 0, 0, 50'000, true},  // free: no gold needed
      {30, 0, 49'999, 50'000, false},
      {30, 0, 50'000, 50'000, true},       // exactly the price
      {30, 20'000, 30'000, 50'000, true},  // both kinds count
      {30, 0, 4'294'967'296, 4'294'967'295, true},
      {30, kMax, kMax, 4'294'967'295, true},  // the sum stops at the top
  };
  for (const Row& r : rows) {
    PreySlot slot;
    slot.freeRerollMinutes = r.freeMinutes;
    PreyResources resources;
    resources.goldKind0 = r.kind0;
    resources.goldKind1 = r.kind1;
    resources.listRerollPrice = r.price;
    EXPECT_EQ(ListRerollAllowed(slot, resources), r.allowed) << r.kind1;
  }
}

TEST(PreyRules, CaptionsAndDescriptions) {
  PreySlot slot;
  slot.choices = {{"Dragon", {}}, {"Hydra", {}}};
  const std::pair<uint8_t, const char*> captions[] = {
      {0, "Locked"}, {1, "Inactive"}, {3, "Select Monster"}, {4, "Select Monster"}, {9, "Unknown"}};
  for (const auto& [state, text] : captions) {
    slot.state = state;
    EXPECT_EQ(SlotCaption(slot), text) << int{state};
  }
  slot.state = kSelection;
  slot.selectedChoice = 1;
  EXPECT_EQ(SlotCaption(slot), "Selected: Hydra");
  slot.selectedChoice = 2;  // outside the list: no selection
  EXPECT_EQ(SlotCaption(slot), "Select Monster");

  slot = PreySlot{};
  slot.state = kActive;
  slot.creatureName = "Demon";
  slot.bonusType = 2;
  slot.bonusValue = 40;
  slot.bonusGrade = 7;
  slot.timeLeft = 5400;
  EXPECT_EQ(SlotCaption(slot), "Demon");
  const std::array<std::string, 5> lines = {"Creature: Demon", "Duration: 01:30", "Value: 7/10",
                                            "Type: XP Bonus",
                                            "Killing your prey creature rewards +40% extra XP."};
  EXPECT_EQ(DescriptionLines(slot), lines);
  EXPECT_EQ(BonusDescription(0, 7), "You deal +7% extra damage from your prey creature.");
  EXPECT_EQ(BonusDescription(3, 65535),
            "Your prey creature has a +65535% chance to drop additional loot.");
  EXPECT_EQ(BonusDescription(4, 10), "Unknown bonus");
  EXPECT_STREQ(BonusName(1), "Damage Reduction");
  EXPECT_STREQ(BonusName(200), "Unknown");
}

}  // namespace
}  // namespace prey
