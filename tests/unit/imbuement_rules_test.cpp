// The imbuement rules decided locally: the permission checks, the texts
// and colours of the window's time and the tracker (the chance's colour bands
// are checked as drawn), tiers and kinds from a name, and the categories
// made from the applicable list.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "features/imbuements/rules.h"
#include "features/imbuements/state.h"

namespace imbuements {
namespace {

bool operator==(gui::Color a, gui::Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

constexpr gui::Color kTimeRed{211, 60, 60}, kTimeYellow{248, 219, 56}, kTimeWhite{255, 255, 255};

TEST(ImbuementRules, TrackerTimeTextsAndColours) {
  struct Row {
    uint32_t seconds;
    const char* text;
    gui::Color color;
  };
  const Row rows[] = {
      {0, "0m", kTimeRed},        {59, "0m", kTimeRed},
      {60, "1m", kTimeRed},       {3599, "59m", kTimeRed},
      {3600, "1h", kTimeYellow},  {3660, "1h01", kTimeYellow},
      {7200, "2h", kTimeYellow},  {10799, "2h59", kTimeYellow},
      {10800, "3h", kTimeWhite},  {10860, "3h01", kTimeWhite},
      {72000, "20h", kTimeWhite}, {4294967295u, "1193046h28", kTimeWhite},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(TrackerTimeText(r.seconds), r.text) << r.seconds;
    EXPECT_TRUE(TrackerTimeColor(r.seconds) == r.color) << r.seconds;
  }
}

TEST(ImbuementRules, SlotTimeTextAndBar) {
  const std::pair<uint32_t, const char*> texts[] = {{0, "00:00:00"},
                                                    {59, "00:00:59"},
                                                    {3661, "01:01:01"},
                                                    {86399, "23:59:59"},
                                                    {360000, "100:00:00"}};
  for (const auto& [seconds, text] : texts) EXPECT_EQ(RemainingText(seconds), text) << seconds;

  struct Row {
    uint32_t remaining, duration;
    int32_t percent;
  };
  const Row rows[] = {{0, 0, -1},
                      {500, 0, -1},  // no bar without a duration
                      {0, 100, 0},
                      {1, 3, 33},
                      {50, 100, 50},
                      {100, 100, 100},
                      {150, 100, 100},  // more left than the whole
                      {4294967295u, 4294967295u, 100},
                      {2147483648u, 4294967295u, 50}};
  for (const Row& r : rows) {
    EXPECT_EQ(RemainingPercent(r.remaining, r.duration), r.percent)
        << r.remaining << " of " << r.duration;
  }
}

TEST(ImbuementRules, TiersAndKindsFromTheName) {
  struct Row {
    const char* name;
    uint8_t tier;
    const char* rest;
    uint8_t kind;
  };
  const Row rows[] = {
      {"Basic Strike", 1, "Strike", 1},
      {"Intricate Vampirism", 2, "Vampirism", 2},
      {"Powerful Reap", 3, "Reap", 23},
      {"Powerful Cloud Fabric", 3, "Cloud Fabric", 17},
      // Two kind words: the table's order decides, not the name's.
      {"Powerful Void Strike", 3, "Void Strike", 1},
      {"Intricate Snake Skin Blockade", 2, "Snake Skin Blockade", 8},
      // No kind word: no picture.
      {"Basic Sparkle", 1, "Sparkle", 0},
      {"Cloud", 0, "Cloud", 0},
      // A tier word without its blank, or in other letters, is no prefix.
      {"Basic", 0, "Basic", 0},
      {"BasicStrike", 0, "BasicStrike", 1},
      {"basic Strike", 0, "basic Strike", 1},
      {"Strike Powerful ", 0, "Strike Powerful ", 1},
      {"", 0, "", 0},
  };
  for (const Row& r : rows) {
    std::string rest = "unchanged";
    EXPECT_EQ(TierOf(r.name, &rest), r.tier) << r.name;
    EXPECT_EQ(rest, r.rest) << r.name;
    EXPECT_EQ(KindCell(rest), r.kind) << r.name;
  }
  EXPECT_EQ(TierOf("Powerful Reap", nullptr), 3);

  const char* const words[] = {
      "Strike",      "Vampirism",   "Void",        "Swiftness",  "Vibrancy",     "Featherweight",
      "Bash",        "Blockade",    "Chop",        "Epiphany",   "Precision",    "Slash",
      "Electrify",   "Frost",       "Scorch",      "Venom",      "Cloud Fabric", "Demon Presence",
      "Dragon Hide", "Lich Shroud", "Quara Scale", "Snake Skin", "Reap"};
  static_assert(std::size(words) == kKindCount);
  for (size_t i = 0; i < std::size(words); ++i) EXPECT_EQ(KindCell(words[i]), i + 1) << words[i];

  // Cell k of the strip: column k mod 11, row k div 11.
  const std::pair<uint8_t, StripPoint> cells[] = {{0, {kStripX, kStripY}},
                                                  {10, {kStripX + 320, kStripY}},
                                                  {11, {kStripX, kStripY + 32}},
                                                  {23, {kStripX + 32, kStripY + 64}}};
  for (const auto& [cell, at] : cells) {
    EXPECT_EQ(StripCell(cell).x, at.x) << int{cell};
    EXPECT_EQ(StripCell(cell).y, at.y) << int{cell};
  }
}

TEST(ImbuementRules, ImbueProtectAndClearChecks) {
  constexpr uint64_t k2To32 = uint64_t{1} << 32;
  constexpr uint32_t kMax32 = 4294967295u;
  struct Row {
    const char* what;
    uint32_t cost, protectionCost;
    std::vector<SourceNeed> sources;
    std::map<uint16_t, uint16_t> owned;
    uint64_t gold;
    bool imbue, protect;
  };
  const std::vector<SourceNeed> needs = {{5001, 2}, {5002, 1}};
  const std::map<uint16_t, uint16_t> enough = {{5001, 2}, {5002, 7}};
  const Row rows[] = {
      {"short of the cost", 1000, 500, needs, enough, 999, false, false},
      {"exactly the cost", 1000, 500, needs, enough, 1000, true, false},
      {"short of the sum", 1000, 500, needs, enough, 1499, true, false},
      {"exactly the sum", 1000, 500, needs, enough, 1500, true, true},
      {"no sources needed", 0, 0, {}, {}, 0, true, true},
      {"a source missing", 1000, 500, needs, {{5001, 2}}, k2To32, false, false},
      {"a source short", 1000, 500, needs, {{5001, 1}, {5002, 1}}, k2To32, false, false},
      // The sum taken in 32 bits would wrap to 1 and let this through.
      {"a sum past 2^32", kMax32, 2, needs, enough, 100, false, false},
      {"a sum past 2^32, gold below 2^32", kMax32, 2, needs, enough, kMax32, true, false},
      {"a sum of 2^33 - 2", kMax32, kMax32, needs, enough, k2To32 - 1, true, false},
      // Gold of 2^32 or more passes every gold test.
      {"gold of 2^32", kMax32, kMax32, needs, enough, k2To32, true, true},
      {"the most gold", kMax32, kMax32, needs, enough, UINT64_MAX, true, true},
  };
  for (const Row& r : rows) {
    ImbuementInfo info;
    info.cost = r.cost;
    info.protectionCost = r.protectionCost;
    info.sources = r.sources;
    EXPECT_EQ(CanImbue(info, r.gold, r.owned), r.imbue) << r.what;
    EXPECT_EQ(CanProtect(info, r.gold, r.owned), r.protect) << r.what;
  }

  struct ClearRow {
    bool empty;
    uint32_t clearCost;
    uint64_t gold;
    bool allowed;
  };
  const ClearRow clears[] = {{true, 0, 1000, false},  // nothing to clear
                             {false, 1000, 999, false},     {false, 1000, 1000, true},
                             {false, kMax32, kMax32, true}, {false, kMax32, k2To32 - 2, false},
                             {false, kMax32, k2To32, true}};
  for (const ClearRow& r : clears) {
    ImbuementSlot slot;
    slot.empty = r.empty;
    slot.clearCost = r.clearCost;
    EXPECT_EQ(CanClear(slot, r.gold), r.allowed) << r.clearCost << " with " << r.gold;
  }
}

TEST(ImbuementRules, ActionCaptions) {
  ImbuementSlot slot;
  EXPECT_EQ(ActionCaption(slot), "Imbue Empty Slot");
  slot.empty = false;
  slot.imbuement.name = "Powerful Strike";
  EXPECT_EQ(ActionCaption(slot), "Clear Imbuement \"Powerful Strike\"");
}

TEST(ImbuementRules, CategoriesAreTheSortedGroupsWithTheirImbuementsInListOrder) {
  struct Row {
    std::vector<std::pair<const char*, const char*>> applicable;  // name, group
    bool anyPowerful;
    std::vector<std::pair<std::string, std::vector<size_t>>> categories;
  };
  const Row rows[] = {
      {{}, false, {}},
      {{{"Basic Strike", "Critical Hit"},
        {"Powerful Vampirism", "Life Leech"},
        {"Intricate Strike", "Critical Hit"},
        {"Basic Bash", "Club Skill"},
        {"Basic Chop", "axe skill"}},
       true,
       // Byte order: upper case before lower case.
       {{"Club Skill", {3}}, {"Critical Hit", {0, 2}}, {"Life Leech", {1}}, {"axe skill", {4}}}},
      {{{"Intricate Void", "Mana Leech"}, {"Basic Void", "Mana Leech"}},
       false,
       {{"Mana Leech", {0, 1}}}},
      // "Powerful" anywhere in a name counts; in a group it does not.
      {{{"Basic Powerfulness", ""}}, true, {{"", {0}}}},
      {{{"Basic Strike", "Powerful"}}, false, {{"Powerful", {0}}}},
  };
  for (const Row& r : rows) {
    WindowState state;
    uint32_t id = 10;
    for (const auto& [name, group] : r.applicable) {
      ImbuementInfo info;
      info.name = name;
      info.group = group;
      info.id = id++;
      state.applicable.push_back(info);
    }
    state.anyPowerful = !r.anyPowerful;
    state.categories = {{"stale", {7}}};
    state.Derive();
    EXPECT_EQ(state.anyPowerful, r.anyPowerful) << r.applicable.size();
    ASSERT_EQ(state.categories.size(), r.categories.size());
    for (size_t i = 0; i < r.categories.size(); ++i) {
      EXPECT_EQ(state.categories[i].group, r.categories[i].first);
      EXPECT_EQ(state.categories[i].imbuements, r.categories[i].second);
    }
  }

  WindowState state;
  state.applicable.resize(2);
  state.applicable[0].id = 7;
  state.applicable[1].id = 9;
  EXPECT_EQ(state.Find(9), &state.applicable[1]);
  EXPECT_EQ(state.Find(8), nullptr);
  EXPECT_EQ(state.Find(0), nullptr);  // 0 stands for no selection
  state.selectedImbuement = 7;
  EXPECT_EQ(state.Selected(), &state.applicable[0]);
}

}  // namespace
}  // namespace imbuements
