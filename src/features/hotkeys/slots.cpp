#include "features/hotkeys/slots.h"

namespace hotkeys {

std::string KeyName(int slot) {
  if (slot < 0 || slot >= kSlotCount) return "";
  static constexpr const char* kPrefixes[] = {"", "Shift+", "Ctrl+"};
  return std::string(kPrefixes[slot / 12]) + "F" + std::to_string(slot % 12 + 1);
}

int SlotOfKeyName(const std::string& name) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (KeyName(slot) == name) return slot;
  }
  return -1;
}

UseMode UseModeFromNumber(uint32_t number) {
  switch (number) {
    case 1: return UseMode::OnTarget;
    case 2: return UseMode::OnYourself;
    default: return UseMode::WithCrosshairs;
  }
}

}  // namespace hotkeys
