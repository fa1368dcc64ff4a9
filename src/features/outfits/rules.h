// The outfit window's rules that need no window: the names shown for the
// current outfit and mount, stepping through a list with wrapping, the
// addons a newly chosen outfit starts with, the filter, and which palette
// cell lies under a point.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "features/outfits/state.h"

namespace outfits {

inline constexpr const char* kUnlistedOutfitName = "Your Character";
inline constexpr const char* kNoMountName = "No Mount";
inline constexpr const char* kUnlistedMountName = "Your Mount";

// The entry with that look type, or -1.
int32_t FindOutfit(const std::vector<OutfitEntry>& list, uint16_t lookType);
int32_t FindMount(const std::vector<MountEntry>& list, uint16_t lookType);

std::string OutfitName(const std::vector<OutfitEntry>& list, uint16_t lookType);
std::string MountName(const std::vector<MountEntry>& list, uint16_t mount);

// The entry before (or after) `current` in a list of `count`, wrapping at
// both ends; from no entry (-1), the last (or the first). -1 for an empty
// list.
int32_t StepEntry(int32_t current, int32_t count, bool forward);

// The addons an outfit starts with when it becomes current: every addon
// it has available.
inline uint8_t StartingAddons(const OutfitEntry& entry) {
  return entry.addons & (kFirstAddon | kSecondAddon);
}

// Indices of the names that contain `filter` in any letter case.
std::vector<int32_t> FilterNames(const std::vector<std::string>& names, const std::string& filter);

// The palette grid: 19 columns by 7 rows of 13-pixel cells whose corner is
// (left, top). The colour index of the cell under the point, or -1.
inline constexpr int32_t kPaletteColumns = 19, kPaletteRows = 7, kPaletteCell = 13;
int32_t PaletteCellAt(int32_t left, int32_t top, int32_t px, int32_t py);

}  // namespace outfits
