// The imbuement rules the library decides locally: whether an action may be
// asked for, the colours and texts of the window and the tracker, and the
// tier and kind a tracker entry's name stands for.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "features/imbuements/state.h"
#include "gui/draw.h"

namespace imbuements {

// A gold balance of 2^32 or more passes every gold test.
bool GoldCovers(uint64_t gold, uint64_t price);
bool SourcesOwned(const ImbuementInfo& info, const std::map<uint16_t, uint16_t>& owned);
// Imbue: gold >= cost and every source owned.
bool CanImbue(const ImbuementInfo& info, uint64_t gold, const std::map<uint16_t, uint16_t>& owned);
// "100%": gold >= cost + protectionCost, the sum taken in 64 bits so a large
// price cannot wrap around to an affordable one, and every source owned.
bool CanProtect(const ImbuementInfo& info, uint64_t gold,
                const std::map<uint16_t, uint16_t>& owned);
// Clear: an occupied slot and gold >= its clearCost.
bool CanClear(const ImbuementSlot& slot, uint64_t gold);

// Below 70 red, 70..89 yellow, from 90 green.
gui::Color SuccessColor(uint8_t successRate);
// The action button's caption: "Imbue Empty Slot", or Clear Imbuement "NAME".
std::string ActionCaption(const ImbuementSlot& slot);
// Seconds as "%02d:%02d:%02d" (hours, minutes, seconds).
std::string RemainingText(uint32_t seconds);
// The slot bar's percent: min(remaining, duration) x 100 / duration, 0..100;
// -1 when the duration is 0 (no bar).
int32_t RemainingPercent(uint32_t remaining, uint32_t duration);

// Tracker: "59m", "1h", "3h01".
std::string TrackerTimeText(uint32_t seconds);
// Below 3600 red, below 10800 yellow, else white.
gui::Color TrackerTimeColor(uint32_t seconds);
// "Basic " 1, "Intricate " 2, "Powerful " 3, else 0; `rest` gets the name
// without that prefix.
uint8_t TierOf(const std::string& name, std::string* rest);
// The kind cell 1..23 of the first kind word found in the (prefix-free)
// name, in the table's order ("Strike", "Vampirism", ... "Reap"), wherever
// in the name it stands; 0 when none is found (no picture).
uint8_t KindCell(const std::string& nameWithoutTier);
inline constexpr uint8_t kKindCount = 23;

// The imbuement strip of the interface sheet (gui::kSheet): 32 x 32
// pictures, 11 to a row; cell 0 is the empty slot, cell k the picture of
// kind k.
inline constexpr int32_t kStripX = 0, kStripY = 512;
inline constexpr int32_t kStripCellSize = 32;
inline constexpr int32_t kStripColumns = 11;
struct StripPoint {
  int32_t x = 0, y = 0;
};
// The sheet position of cell k: column k mod 11, row k div 11.
StripPoint StripCell(uint8_t cell);

}  // namespace imbuements
