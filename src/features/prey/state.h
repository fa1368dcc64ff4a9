// What the library holds of the prey system: the three slot records and the
// player's prey resources, as the server last sent them. One instance for
// the process.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gui/outfit_picture.h"

namespace prey {

inline constexpr size_t kSlotCount = 3;

enum SlotState : uint8_t {
  kLocked = 0,
  kInactive = 1,
  kActive = 2,
  kSelection = 3,
  kSelectionChangeBonus = 4,  // selection with a changed bonus
};

struct PreyChoice {
  std::string name;
  gui::Outfit outfit;
};

struct PreySlot {
  std::string creatureName;         // state 2
  gui::Outfit outfit;               // state 2
  std::vector<PreyChoice> choices;  // states 3 and 4
  uint16_t timeLeft = 0;            // seconds of prey time left
  uint16_t freeRerollMinutes = 0;   // 0: the next list reroll is free
  uint8_t state = kLocked;
  uint8_t lockedOption = 0;
  uint8_t bonusType = 0;
  uint16_t bonusValue = 0;
  uint8_t bonusGrade = 0;
  // Index into choices, -1 none. Wider than a byte: a list may hold up to
  // 255 choices, and every one of them must be selectable.
  int16_t selectedChoice = -1;

  // The picked choice, or null when the index is outside the list.
  const PreyChoice* Selected() const {
    return selectedChoice >= 0 && static_cast<size_t>(selectedChoice) < choices.size()
               ? &choices[static_cast<size_t>(selectedChoice)]
               : nullptr;
  }
  bool Active() const { return state == kActive; }
  bool Selecting() const { return state == kSelection || state == kSelectionChangeBonus; }
};

struct PreyResources {
  uint64_t goldKind0 = 0;  // nothing stores it; still added into the shown gold
  uint64_t goldKind1 = 0;
  uint64_t wildcards = 0;
  uint32_t listRerollPrice = 0;

  // Kind 0 + kind 1, stopping at the largest value instead of wrapping.
  uint64_t Gold() const;
};

std::array<PreySlot, kSlotCount>& Slots();
PreyResources& Resources();

// Kinds 0 and 1 are gold, 10 the wildcard count; any other kind is ignored.
void StoreResource(uint8_t kind, uint64_t value);

// Leaving the game: every slot back to a fresh record, resources to zero.
void ResetAll();

}  // namespace prey
