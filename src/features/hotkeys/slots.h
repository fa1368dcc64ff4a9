// The host's 36 function-key hotkeys as the library edits them: F1 to F12
// alone, with Shift and with Ctrl, each saying a text or using an object.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace hotkeys {

inline constexpr int kSlotCount = 36;
inline constexpr size_t kMaxTextLength = 255;

// The number written in files and in the host's table.
enum class UseMode : uint32_t { WithCrosshairs = 0, OnTarget = 1, OnYourself = 2 };

struct HotkeySlot {
  std::string text;
  bool sendAutomatically = false;
  uint32_t objectId = 0;    // 0 = no object
  uint32_t objectData = 0;  // the object's subtype byte as the host reports it
  UseMode useMode = UseMode::WithCrosshairs;

  bool Empty() const { return text.empty() && objectId == 0; }
  bool operator==(const HotkeySlot&) const = default;
};

using HotkeySlots = std::array<HotkeySlot, kSlotCount>;

// "F1" .. "F12" for slots 0-11, "Shift+F1" .. for 12-23, "Ctrl+F1" .. for
// 24-35; "" outside 0-35.
std::string KeyName(int slot);
// The slot whose key name is `name`, or -1.
int SlotOfKeyName(const std::string& name);

// The use mode of a number read from a file: 1 and 2 as they are, every
// other number (0 included) with crosshairs.
UseMode UseModeFromNumber(uint32_t number);

}  // namespace hotkeys
