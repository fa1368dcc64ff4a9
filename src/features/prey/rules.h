// The prey system's local rules: the texts a slot shows, the abbreviated
// reroll price, the time bar's fill, and whether a list or bonus reroll can
// be asked for. The server decides every outcome.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "features/prey/state.h"

namespace prey {

// "Damage Boost", "Damage Reduction", "XP Bonus", "Improved Loot", else
// "Unknown".
const char* BonusName(uint8_t bonusType);
// The bonus description with the value put in ("You deal +25% extra ...");
// "Unknown bonus" for an unknown type.
std::string BonusDescription(uint8_t bonusType, uint16_t bonusValue);
// "Locked", "Inactive", the creature, "Selected: NAME" / "Select Monster",
// or "Unknown".
std::string SlotCaption(const PreySlot& slot);

// 999 -> "999", 1500 -> "1.5k", 2000 -> "2k", 2500000 -> "2.5kk", "bi" from
// one billion.
std::string AbbreviatedAmount(uint64_t value);
// Seconds left as "HH:MM" (hours and minutes); 0 -> "00:00".
std::string TimeLeftText(uint16_t timeLeft);
// Minutes to the free reroll as "HH:MM"; 0 -> "Free".
std::string FreeRerollText(uint16_t freeRerollMinutes);

// The time bar's value 0..90 for the seconds left (full from 7200 on).
int32_t TimeBarValue(uint16_t timeLeft);

// A list reroll is allowed when it is free or the gold covers the price.
bool ListRerollAllowed(const PreySlot& slot, const PreyResources& resources);
// A bonus reroll needs a wildcard.
bool BonusRerollAllowed(const PreyResources& resources);

// The five lines of the description area for a slot's bonus flag, and the
// reset lines.
std::array<std::string, 5> DescriptionLines(const PreySlot& slot);
std::array<std::string, 5> ResetDescriptionLines();

}  // namespace prey
