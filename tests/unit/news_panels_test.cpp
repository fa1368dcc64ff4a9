// The information panels' texts and picture sizes.
#include <gtest/gtest.h>

#include "web/news/boosted_content.h"

namespace {

TEST(NewsPanels, OutfitPicturesAre40ForOneTileElse32PerTileUpTo64) {
  const struct {
    int32_t w, h, size;
  } cases[] = {{1, 1, 40}, {2, 1, 64}, {1, 2, 64}, {2, 2, 64}, {3, 3, 64}, {0, 0, 0}};
  for (const auto& c : cases) EXPECT_EQ(news::BoostedPictureSize(c.w, c.h), c.size) << c.w << c.h;
}

TEST(NewsPanels, TheCreatureTooltipListsOnlyNamedBoosts) {
  news::BoostedRecords r;
  r[news::kCreature] = {.type = 5, .name = "Rat", .percent = 50};
  r[news::kLoot] = {.name = "Gold", .percent = 30};
  EXPECT_EQ(news::CreatureTooltip(r),
            "Today's boosted creatures:\n\nExperience Boost (50%): Rat\n"
            "Quorlan Token Drop (30%): Gold\n\nClick here to check all the details on website.");
  r[news::kCreature].name.clear();
  r[news::kLoot].name.clear();
  r[news::kRespawn] = {.name = "Venore", .percent = -5};
  EXPECT_EQ(news::CreatureTooltip(r),
            "Today's boosted creatures:\n\nRespawn Boost (-5%): Venore\n\n"
            "Click here to check all the details on website.");
  EXPECT_EQ(news::BossTooltip({.type = 2, .name = "Ferumbras", .percent = 25}),
            "Today's boosted boss: Ferumbras\n\nBoosted bosses have 25% more loot chance.\n\n"
            "Click here to check all the details on website.");
}

}  // namespace
