// The outfit window's rules that need no window: the names of the current
// outfit and mount, stepping with wrapping, the starting addons, the name
// filter and the palette cell under a point.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "features/outfits/rules.h"

namespace outfits {
namespace {

TEST(OutfitsRules, Names) {
  const std::vector<OutfitEntry> outfitList = {{"Citizen", 128, 3}, {"Hunter", 129, 1}};
  const std::vector<MountEntry> mountList = {{"Widow Queen", 368}};
  EXPECT_EQ(OutfitName(outfitList, 129), "Hunter");
  EXPECT_EQ(OutfitName(outfitList, 0), "Your Character");
  EXPECT_EQ(OutfitName({}, 128), "Your Character");
  EXPECT_EQ(MountName(mountList, 0), "No Mount");
  EXPECT_EQ(MountName(mountList, 368), "Widow Queen");
  EXPECT_EQ(MountName(mountList, 999), "Your Mount");
}

TEST(OutfitsRules, StepEntryWraps) {
  const struct {
    int32_t current, count;
    bool forward;
    int32_t next;
  } rows[] = {
      {0, 3, true, 1}, {2, 3, true, 0},   {0, 3, false, 2},  {1, 3, false, 0},
      {0, 1, true, 0}, {0, 1, false, 0},  {-1, 3, true, 0},  {-1, 3, false, 2},
      {5, 3, true, 0}, {-1, 0, true, -1}, {0, 0, false, -1},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(StepEntry(r.current, r.count, r.forward), r.next)
        << r.current << " of " << r.count << (r.forward ? " next" : " previous");
  }
}

TEST(OutfitsRules, StartingAddons) {
  const struct { uint8_t available, addons; } rows[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {0xFF, 3}};
  for (const auto& r : rows) {
    EXPECT_EQ(StartingAddons(OutfitEntry{"", 1, r.available}), r.addons) << int{r.available};
  }
}

TEST(OutfitsRules, FilterNames) {
  const std::vector<std::string> names = {"Widow Queen", "Racing Bird", "War Bear"};
  const struct {
    const char* filter;
    std::vector<int32_t> shown;
  } rows[] = {{"", {0, 1, 2}}, {"bird", {1}}, {"WAR", {2}}, {"r", {1, 2}}, {"x", {}}};
  for (const auto& r : rows) EXPECT_EQ(FilterNames(names, r.filter), r.shown) << r.filter;
}

TEST(OutfitsRules, PaletteCell) {
  // Grid corner at (100, 200); cells 13 pixels, 19 columns, 7 rows.
  const struct {
    int32_t px, py, index;
  } rows[] = {{100, 200, 0},   {112, 212, 0},  {113, 200, 1},  {100, 213, 19}, {113, 213, 20},
              {346, 290, 132}, {347, 200, -1}, {100, 291, -1}, {99, 200, -1},  {100, 199, -1}};
  for (const auto& r : rows) {
    EXPECT_EQ(PaletteCellAt(100, 200, r.px, r.py), r.index) << r.px << "," << r.py;
  }
}

}  // namespace
}  // namespace outfits
