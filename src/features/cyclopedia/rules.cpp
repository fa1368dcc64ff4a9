#include "features/cyclopedia/rules.h"

#include <algorithm>
#include <cstdio>

#include "gui/text_case.h"

namespace cyclopedia {
namespace {

constexpr int32_t kLeftColumnX = 352, kRightColumnX = 412, kPictureRowH = 62;

struct ClassRow {
  const char* name;
  int32_t column;  // 0 left, 1 right
  int32_t row;
};
constexpr ClassRow kClassPictures[] = {
    {"plant", 1, 0},        {"magical", 0, 1},
    {"mammal", 1, 1},       {"lycanthrope", 0, 2},
    {"fey", 1, 2},          {"inkborn", 0, 3},
    {"extra dimensional", 1, 3}, {"extra_dimensional", 1, 3},
    {"vermin", 0, 4},       {"elemental", 1, 4},
    {"undead", 0, 5},       {"dragon", 1, 5},
    {"humanoid", 0, 6},     {"demon", 1, 6},
    {"slime", 0, 7},        {"construct", 1, 7},
    {"human", 0, 8},        {"bird", 1, 8},
    {"giant", 0, 9},        {"reptile", 1, 9},
    {"aquatic", 0, 10},     {"amphibic", 1, 10},
};

std::string Shortened(const std::string& name, size_t limit) {
  if (name.size() < limit) return name;
  return name.substr(0, limit - 1) + "...";
}

}  // namespace

SheetPoint ClassPicture(const std::string& className) {
  const std::string lower = gui::LowerCase(className);
  for (const ClassRow& row : kClassPictures) {
    if (lower == row.name) {
      return {row.column == 0 ? kLeftColumnX : kRightColumnX, row.row * kPictureRowH};
    }
  }
  return {kLeftColumnX, 0};
}

std::string CreatureCardTitle(uint8_t stage, const std::string& name) {
  if (stage == 0 || name.empty()) return "Unknown";
  return Shortened(name, 16);
}

std::string CreatureProgressText(uint8_t stage) {
  if (stage == 0) return "?";
  if (stage >= 4) return "";
  char text[16];
  std::snprintf(text, sizeof(text), "%d / 3", stage - 1);
  return text;
}

std::string TrackerRowName(const std::string& name) {
  if (name.empty()) return "Unknown";
  return Shortened(name, 19);
}

const char* OccurrenceName(uint8_t occurrence) {
  switch (occurrence) {
    case 1: return "Uncommon";
    case 2: return "Semi-Rare";
    case 3: return "Rare";
    default: return "Common";
  }
}

gui::Color ElementColor(uint16_t value) {
  if (value == 0) return {220, 80, 80};
  if (value < 100) return {220, 200, 0};
  if (value == 100) return {160, 160, 160};
  return {80, 160, 80};
}

const char* LootHeading(uint8_t rarity) {
  constexpr const char* kHeadings[] = {"Common:", "Uncommon:", "Semi-Rare:", "Rare:",
                                       "Very Rare:"};
  return rarity < 5 ? kHeadings[rarity] : nullptr;
}

int32_t BarPartFill(uint32_t kills, const std::array<uint16_t, 3>& thresholds, int part,
                    int32_t width) {
  if (part < 0 || part > 2 || width <= 0) return 0;
  const uint32_t upper = thresholds[static_cast<size_t>(part)];
  if (upper == 0) return 0;
  const uint32_t lower = part == 0 ? 0 : thresholds[static_cast<size_t>(part - 1)];
  if (kills >= upper) return width;
  if (upper <= lower || kills <= lower) return 0;
  return static_cast<int32_t>(uint64_t{kills - lower} * static_cast<uint64_t>(width) /
                              (upper - lower));
}

const char* BossCategoryName(uint8_t category) {
  switch (category) {
    case 1: return "Archfoe";
    case 2: return "Nemesis";
    default: return "Bane";
  }
}

std::array<uint32_t, 3> BossThresholds(uint8_t category) {
  switch (category) {
    case 1: return {5, 20, 60};
    case 2: return {1, 3, 5};
    default: return {25, 100, 300};
  }
}

int BossLevelsReached(uint8_t category, uint32_t kills) {
  const std::array<uint32_t, 3> thresholds = BossThresholds(category);
  return static_cast<int>(std::count_if(thresholds.begin(), thresholds.end(),
                                        [kills](uint32_t t) { return kills >= t; }));
}

bool PassesBossFilters(const std::array<bool, 8>& filters, uint8_t category, uint32_t kills) {
  const bool anyCategory = filters[kFilterBane] || filters[kFilterArchfoe] || filters[kFilterNemesis];
  if (anyCategory) {
    const int index = category <= 2 ? category : 0;
    if (!filters[static_cast<size_t>(kFilterBane + index)]) return false;
  }
  const bool anyProgress = std::any_of(filters.begin() + kFilterNoKills, filters.end(),
                                       [](bool ticked) { return ticked; });
  if (!anyProgress) return true;
  int stage = kFilterNoKills;
  if (kills > 0) stage = kFilterFewKills + BossLevelsReached(category, kills);
  return filters[static_cast<size_t>(stage)];
}

bool MatchesSearch(uint8_t stage, const std::string& name, const std::string& searchText) {
  if (stage == 0) return false;
  return gui::LowerCase(name).find(gui::LowerCase(searchText)) != std::string::npos;
}

int32_t PageCount(size_t count, int32_t perPage) {
  if (perPage <= 0 || count == 0) return 1;
  return static_cast<int32_t>((count + static_cast<size_t>(perPage) - 1) /
                              static_cast<size_t>(perPage));
}

}  // namespace cyclopedia
