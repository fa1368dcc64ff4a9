// The cyclopedia's fixed tables and small computations: class pictures,
// card and row titles, bosstiary levels, element colours, bar parts and
// the search and filter tests.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gui/draw.h"

namespace cyclopedia {

// ---- class pictures (60 x 62 regions of sheet 4) ------------------------------------
inline constexpr int32_t kClassPictureW = 60, kClassPictureH = 62;
struct SheetPoint {
  int32_t x = 0, y = 0;
  bool operator==(const SheetPoint&) const = default;
};
// The picture of a class by its name, lower-cased (A to Z only); an unknown
// or empty name gives the default picture (352, 0).
SheetPoint ClassPicture(const std::string& className);

// ---- cards and rows -----------------------------------------------------------------
// "Unknown" for a creature never killed or without a name; names of 16
// characters or more become their first 15 and "...".
std::string CreatureCardTitle(uint8_t stage, const std::string& name);
// Under a creature card's picture: "?" for stage 0, "%d / 3" with stage - 1
// for stages 1 to 3; empty for stage 4 and above (a check picture instead).
std::string CreatureProgressText(uint8_t stage);
// A tracker row's name: "Unknown" when empty; 19 characters or more become
// their first 18 and "...".
std::string TrackerRowName(const std::string& name);

// ---- details ------------------------------------------------------------------------
// 0 "Common", 1 "Uncommon", 2 "Semi-Rare", 3 "Rare"; anything else "Common".
const char* OccurrenceName(uint8_t occurrence);
// The colour of an element value: red for 0, yellow below 100, grey at 100,
// green above.
gui::Color ElementColor(uint16_t value);
// "Common:" .. "Very Rare:" for rarity 0 to 4; null beyond.
const char* LootHeading(uint8_t rarity);

// ---- tracker bars -------------------------------------------------------------------
// How many of `width` pixels part `part` (0 to 2) of a tracker bar fills:
// the kills between 0 and the first threshold, the first and the second,
// the second and the third. A part with a zero threshold stays empty.
int32_t BarPartFill(uint32_t kills, const std::array<uint16_t, 3>& thresholds, int part,
                    int32_t width);

// ---- bosstiary ----------------------------------------------------------------------
// "Bane", "Archfoe", "Nemesis"; an unknown category counts as "Bane".
const char* BossCategoryName(uint8_t category);
// The kills for "Prowess", "Expertise" and "Mastery" in a category.
std::array<uint32_t, 3> BossThresholds(uint8_t category);
// How many of the three levels the kills have reached (0 to 3).
int BossLevelsReached(uint8_t category, uint32_t kills);

// The eight filter boxes of the bosstiary, in handler-code order 4410..4417.
enum BossFilter : int {
  kFilterBane = 0,
  kFilterArchfoe,
  kFilterNemesis,
  kFilterNoKills,
  kFilterFewKills,
  kFilterProwess,
  kFilterExpertise,
  kFilterMastery,
};
inline constexpr const char* kBossFilterCaptions[8] = {
    "Bane", "Archfoe", "Nemesis", "No Kills", "Few Kills", "Prowess", "Expertise", "Mastery"};
// Whether a boss passes the filters: with no category box ticked every
// category passes, else only the ticked ones; likewise for the progress
// boxes, which each stand for one stage (no kills, some kills below
// "Prowess", and each level reached as the highest).
bool PassesBossFilters(const std::array<bool, 8>& filters, uint8_t category, uint32_t kills);

// ---- search and pages ---------------------------------------------------------------
// A search keeps creatures that were killed and whose lower-cased name
// contains the (lower-cased) search text.
bool MatchesSearch(uint8_t stage, const std::string& name, const std::string& searchText);
// Pages of `perPage` entries needed for `count` entries; at least 1.
int32_t PageCount(size_t count, int32_t perPage);

}  // namespace cyclopedia
