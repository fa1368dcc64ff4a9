#include "features/outfits/rules.h"

#include "gui/text_case.h"

namespace outfits {

int32_t FindOutfit(const std::vector<OutfitEntry>& list, uint16_t lookType) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].lookType == lookType) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t FindMount(const std::vector<MountEntry>& list, uint16_t lookType) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].lookType == lookType) return static_cast<int32_t>(i);
  }
  return -1;
}

std::string OutfitName(const std::vector<OutfitEntry>& list, uint16_t lookType) {
  const int32_t index = FindOutfit(list, lookType);
  return index < 0 ? kUnlistedOutfitName : list[static_cast<size_t>(index)].name;
}

std::string MountName(const std::vector<MountEntry>& list, uint16_t mount) {
  if (mount == 0) return kNoMountName;
  const int32_t index = FindMount(list, mount);
  return index < 0 ? kUnlistedMountName : list[static_cast<size_t>(index)].name;
}

int32_t StepEntry(int32_t current, int32_t count, bool forward) {
  if (count <= 0) return -1;
  if (current < 0 || current >= count) return forward ? 0 : count - 1;
  if (forward) return current + 1 == count ? 0 : current + 1;
  return current == 0 ? count - 1 : current - 1;
}

std::vector<int32_t> FilterNames(const std::vector<std::string>& names, const std::string& filter) {
  const std::string wanted = gui::LowerCase(filter);
  std::vector<int32_t> shown;
  for (size_t i = 0; i < names.size(); ++i) {
    if (gui::LowerCase(names[i]).find(wanted) != std::string::npos) {
      shown.push_back(static_cast<int32_t>(i));
    }
  }
  return shown;
}

int32_t PaletteCellAt(int32_t left, int32_t top, int32_t px, int32_t py) {
  if (px < left || py < top) return -1;
  const int32_t column = (px - left) / kPaletteCell;
  const int32_t row = (py - top) / kPaletteCell;
  if (column >= kPaletteColumns || row >= kPaletteRows) return -1;
  return row * kPaletteColumns + column;
}

}  // namespace outfits
