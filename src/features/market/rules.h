// The market's rules that are plain computation: the statistics of message
// 248, the texts of offer rows, what the create-offer panel allows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "features/market/state.h"

namespace market {

// ---- statistics ------------------------------------------------------------------------

// A lowest price the server sends for "no sale at all"; never the lowest.
inline constexpr uint32_t kNoLowestPrice = 4294967295u;

// Sums transactions and total prices (64-bit), keeps the largest highest
// and the smallest lowest: a lowest of kNoLowestPrice is ignored, and a
// running lowest of 0 counts as unset, so the next entry's lowest replaces
// it.
SideStatistics SumStatistics(const std::vector<StatisticsEntry>& entries);

// "1,234 gold".
std::string GoldText(uint64_t price);
// The texts shown under "Buy Offers:" or "Sell Offers:", each a caption and
// its value, in order: transactions, highest, average, lowest (no value
// when there is no lowest price).
struct StatisticsLine {
  const char* caption;
  std::string value;
};
std::vector<StatisticsLine> StatisticsLines(const SideStatistics& side);

// The captions of message 248's fifteen texts, in message order.
extern const char* const kDetailCaptions[kDetailCount];

// ---- offer rows ------------------------------------------------------------------------

// amount x piece price, 64-bit.
uint64_t TotalPrice(const MarketOffer& offer);

// The state column of the player's own rows: "active" for current offers;
// for history "cancelled" (1), "expired" (2), "bought" or "sold" by the
// side (3 or 255), else "unknown(report it to gamemaster)".
std::string OwnStateText(bool history, bool buySide, uint8_t state);

// ---- the create-offer panel ------------------------------------------------------------

enum class OfferType : uint8_t { Buy = 0, Sell = 1 };
// Sell only when "Sell" is on and "Buy" off.
OfferType ChosenOfferType(bool sellOn, bool buyOn);

// The most pieces one offer may hold: 64000 of a stackable item (flag 5),
// 2000 of any other.
inline constexpr uint32_t kStackableCap = 64000;
inline constexpr uint32_t kSingleCap = 2000;
uint32_t AmountCap(bool stackable);

// The amount bar's maximum: a buy is limited by what the gold pays for
// (0 with no price), a sell by the depot count; both by the cap.
uint32_t MaximumAmount(OfferType type, uint64_t gold, uint32_t price, uint16_t depotCount,
                       bool stackable);

// The piece price typed into the panel's box (digits only): its value, at
// most 4294967295 (more is read as that); 0 for an empty box.
uint32_t ReadPiecePrice(const std::string& digits);

// The two captions of the panel's sums for a type.
struct SumCaptions {
  const char* first;   // "Price:" or "Gross Profit:"
  const char* second;  // "Total Price:" or "Total Profit:"
};
SumCaptions SumCaptionsFor(OfferType type);

// price x amount, the amount counted as at least 1.
uint64_t PanelTotal(uint32_t price, uint32_t amount);

}  // namespace market
