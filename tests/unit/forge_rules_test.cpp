// The forge's tables and the checks and texts made from them.
#include <gtest/gtest.h>

#include <string>

#include "features/forge/item_grid.h"
#include "features/forge/rules.h"

namespace forge {
namespace {

TEST(ForgeRules, CostTablesEndAtTierTenAndReadZeroBeyond) {
  struct Row {
    uint32_t tier;
    uint64_t fusionGold;
    uint32_t fusionCores;
    uint64_t transferGold;
    uint32_t transferCores;
  };
  const Row rows[] = {{0, 0, 0, 0, 0},
                      {1, 10'000'000, 1, 5'000'000, 1},
                      {3, 30'000'000, 3, 15'000'000, 2},
                      {5, 50'000'000, 5, 25'000'000, 3},
                      {6, 60'000'000, 6, 30'000'000, 4},
                      {10, 100'000'000, 10, 50'000'000, 4},
                      {11, 0, 0, 0, 0},
                      {255, 0, 0, 0, 0},
                      {0xFFFFFFFF, 0, 0, 0, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.tier);
    EXPECT_EQ(FusionGold(r.tier), r.fusionGold);
    EXPECT_EQ(FusionCores(r.tier), r.fusionCores);
    EXPECT_EQ(TransferGold(r.tier), r.transferGold);
    EXPECT_EQ(TransferCores(r.tier), r.transferCores);
  }
}

TEST(ForgeRules, ClassesCapTiersAndSetTheSuccessRates) {
  const uint8_t maxTiers[] = {0, 1, 3, 5, 10, 0, 0};
  for (uint32_t c = 0; c < 7; ++c) EXPECT_EQ(MaxTierOfClass(c), maxTiers[c]) << c;
  // (class, tier to reach, percent): each class's last rate and the first
  // tier beyond it; tier 0 and classes outside 1..4 give 0.
  const uint32_t rates[][3] = {{1, 1, 100}, {1, 2, 0},  {2, 3, 90},  {2, 4, 0},  {3, 5, 80},
                               {3, 6, 0},   {4, 9, 60}, {4, 10, 50}, {4, 11, 0}, {4, 0, 0},
                               {0, 1, 0},   {5, 1, 0}};
  for (const auto& r : rates) EXPECT_EQ(FusionSuccessRate(r[0], r[1]), r[2]) << r[0] << "/" << r[1];
}

TEST(ForgeRules, FusionNeedsTwoItemsAndTheNextTiersPrice) {
  // Tier 4 to 5: 50,000,000 gold and 5 cores; each shortfall alone blocks.
  struct Case {
    uint16_t amount;
    Balance wallet;
    bool ready;
  };
  const Case cases[] = {{2, {50'000'000, 5}, true},  {1, {50'000'000, 5}, false},
                        {2, {49'999'999, 5}, false}, {2, {50'000'000, 4}, false},
                        {65535, {~0ull, ~0u}, true}};
  for (const Case& c : cases) {
    const FusionCheck check = CheckFusion(4, 3, c.amount, c.wallet);
    EXPECT_EQ(check.newTier, 5u);
    EXPECT_EQ(check.gold, 50'000'000u);
    EXPECT_EQ(check.cores, 5u);
    EXPECT_EQ(check.successRate, 80u);
    EXPECT_EQ(check.ready, c.ready) << c.amount << " " << c.wallet.gold << " " << c.wallet.cores;
  }
  // Tier 10 costs nothing and never succeeds; only the count decides.
  EXPECT_TRUE(CheckFusion(10, 4, 2, {}).ready);
  EXPECT_EQ(CheckFusion(10, 4, 2, {}).successRate, 0u);
  EXPECT_FALSE(CheckFusion(10, 4, 1, {}).ready);
}

TEST(ForgeRules, TransferCostsTheTierTheTargetCanHold) {
  // Tier 5 into class 2 lands on tier 3: 15,000,000 gold, 2 cores.
  const TransferCheck toClassTwo = CheckTransfer(5, 2, {15'000'000, 2});
  EXPECT_EQ(toClassTwo.resultTier, 3u);
  EXPECT_EQ(toClassTwo.gold, 15'000'000u);
  EXPECT_EQ(toClassTwo.cores, 2u);
  EXPECT_TRUE(toClassTwo.ready);
  EXPECT_FALSE(CheckTransfer(5, 2, {14'999'999, 2}).ready);
  EXPECT_FALSE(CheckTransfer(5, 2, {15'000'000, 1}).ready);
  // A target of no class (or an unknown one) takes tier 0 for nothing.
  for (uint8_t c : {0, 5, 255}) {
    const TransferCheck check = CheckTransfer(10, c, {});
    EXPECT_EQ(check.resultTier, 0u);
    EXPECT_TRUE(check.ready) << int{c};
  }
  // A source below the cap keeps its own tier.
  EXPECT_EQ(CheckTransfer(2, 4, {}).resultTier, 2u);
}

TEST(ForgeRules, MoneyBeyondABillionKeepsGroupingInThrees) {
  EXPECT_EQ(MoneyText(1'234'567'890'123ull), "1,234,567,890,123");
}

TEST(ForgeRules, OneWordOfAResultLineIsColoured) {
  constexpr gui::Color kRed{200, 0, 0}, kGreen{0, 200, 0};
  struct Case {
    const char* line;
    size_t start, length;
    gui::Color color;
  };
  const Case cases[] = {
      {"Your fusion was successful.", 16, 10, kGreen},
      {"The fusion was UNSUCCESSFUL, but successful next time", 15, 12, kRed},
      {"Failed once, then successful", 0, 6, kRed},   // "failed" first
      {"Successful, nothing failed", 0, 10, kGreen},  // "failed" after
      {"It failed and failed", 3, 6, kRed},
      {"Nothing to colour", 0, 0, {}},
      {"", 0, 0, {}},
  };
  for (const Case& c : cases) {
    const ColouredWord word = FindColouredWord(c.line);
    EXPECT_EQ(word.start, c.start) << c.line;
    EXPECT_EQ(word.length, c.length) << c.line;
    if (c.length == 0) continue;
    EXPECT_EQ(word.color.r, c.color.r) << c.line;
    EXPECT_EQ(word.color.g, c.color.g) << c.line;
  }
}

TEST(ForgeRules, GridsScrollOverTheRowsBeyondTwo) {
  const std::pair<size_t, int32_t> cases[] = {{0, 0}, {8, 0}, {9, 1}, {13, 2}, {65535, 16382}};
  for (const auto& [count, range] : cases) EXPECT_EQ(GridScrollRange(count), range) << count;
}

}  // namespace
}  // namespace forge
