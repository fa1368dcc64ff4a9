// What the library holds of imbuements: the item the server opened the
// imbue window for, its slots, the imbuements that can be applied with their
// astral sources, the sources the player owns, the window's selection, and
// the tracker's items. One instance of each for the process.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace imbuements {

inline constexpr uint8_t kMaxSlots = 3;

struct SourceNeed {
  uint16_t itemId = 0;
  uint16_t count = 0;
};

// One imbuement that can be applied (message 235's list).
struct ImbuementInfo {
  std::string name;  // begins with its tier word: "Basic ", "Intricate ", "Powerful "
  std::string description;
  std::string group;  // its category
  uint32_t id = 0;
  uint32_t duration = 0;  // seconds
  uint32_t cost = 0;
  uint32_t protectionCost = 0;  // extra gold for the "100%" option
  uint16_t iconId = 0;
  uint8_t successRate = 0;  // percent
  bool premiumOnly = false;
  std::vector<SourceNeed> sources;
};

// One slot of the item. An occupied slot holds its imbuement's fields.
struct ImbuementSlot {
  uint8_t index = 0;
  bool empty = true;
  ImbuementInfo imbuement;  // sources not kept for a slot
  uint32_t remaining = 0;   // seconds left
  uint32_t clearCost = 0;
};

struct Category {
  std::string group;
  std::vector<size_t> imbuements;  // indices into WindowState::applicable
};

enum class Mode : uint8_t { Imbue = 0, Clear = 1 };

struct WindowState {
  uint16_t itemId = 0;
  uint8_t slotCount = 0;  // at most 3
  std::vector<ImbuementSlot> slots;
  std::vector<ImbuementInfo> applicable;
  std::map<uint16_t, std::string> sourceNames;
  std::map<uint16_t, uint16_t> ownedSources;
  std::vector<Category> categories;  // distinct groups, sorted
  uint8_t selectedSlot = 0;
  uint32_t selectedImbuement = 0;  // id; 0 none
  Mode mode = Mode::Imbue;
  bool anyPowerful = false;  // some applicable name contains "Powerful"

  // The applicable imbuement with that id, or null.
  const ImbuementInfo* Find(uint32_t id) const;
  const ImbuementInfo* Selected() const { return Find(selectedImbuement); }
  const ImbuementSlot* SelectedSlot() const {
    return selectedSlot < slots.size() ? &slots[selectedSlot] : nullptr;
  }
  // Rebuilds anyPowerful and the categories from the applicable list.
  void Derive();
};

// Each message 235 replaces the whole state, read aside first, so the
// selection starts over with it: slot 0, no imbuement, imbue mode. The
// window then selects a slot as a press on it would (and may restore the
// player's earlier choice itself).
WindowState& State();

// ---- the tracker --------------------------------------------------------------------

struct TrackerEntry {
  std::string name;
  uint16_t iconId = 0;
  uint32_t timeLeft = 0;
  bool active = false;  // timeLeft != 0
};

struct TrackerItem {
  uint8_t equipmentSlot = 0;
  uint16_t itemId = 0;
  uint8_t slotCount = 0;
  std::vector<TrackerEntry> entries;
};

// Replaced by each message 93: only items with a running imbuement, in the
// message's order. Emptied when the player leaves the game.
std::vector<TrackerItem>& TrackerItems();

}  // namespace imbuements
