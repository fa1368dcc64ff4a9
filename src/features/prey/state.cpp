#include "features/prey/state.h"

#include <limits>

namespace prey {

uint64_t PreyResources::Gold() const {
  if (goldKind0 > std::numeric_limits<uint64_t>::max() - goldKind1) {
    return std::numeric_limits<uint64_t>::max();
  }
  return goldKind0 + goldKind1;
}

std::array<PreySlot, kSlotCount>& Slots() {
  static std::array<PreySlot, kSlotCount> slots;
  return slots;
}

PreyResources& Resources() {
  static PreyResources resources;
  return resources;
}

void StoreResource(uint8_t kind, uint64_t value) {
  PreyResources& resources = Resources();
  switch (kind) {
    case 0: resources.goldKind0 = value; break;
    case 1: resources.goldKind1 = value; break;
    case 10: resources.wildcards = value; break;
    default: break;
  }
}

void ResetAll() {
  Slots().fill(PreySlot{});
  Resources() = PreyResources{};
}

}  // namespace prey
