#include "features/market/rules.h"

#include <algorithm>
#include <limits>

#include "protocol/digit_grouping.h"

namespace market {

SideStatistics SumStatistics(const std::vector<StatisticsEntry>& entries) {
  SideStatistics side;
  for (const StatisticsEntry& entry : entries) {
    side.transactions += entry.transactions;
    side.totalPrice += entry.totalPrice;
    side.highest = std::max(side.highest, entry.highest);
    if (entry.lowest == kNoLowestPrice) continue;
    if (side.lowest == 0 || entry.lowest < side.lowest) side.lowest = entry.lowest;
  }
  return side;
}

std::string GoldText(uint64_t price) { return protocol::GroupDigits(price) + " gold"; }

std::vector<StatisticsLine> StatisticsLines(const SideStatistics& side) {
  return {
      {"Number of Transactions:", protocol::GroupDigits(side.transactions)},
      {"Highest Price:", GoldText(side.highest)},
      {"Average Price:", GoldText(side.Average())},
      {"Lowest Price:", side.lowest == 0 ? std::string() : GoldText(side.lowest)},
  };
}

const char* const kDetailCaptions[kDetailCount] = {
    "Armor:",
    "Attack:",
    "Capacity:",
    "Defence:",
    "Description:",
    "Expires After:",
    "Protection:",
    "Minimum Required Level:",
    "Minimum Required Magic Level:",
    "Professions:",
    "Spell:",
    "Skill Boost:",
    "Charges:",
    "Weapon Type:",
    "Weight:",
};

uint64_t TotalPrice(const MarketOffer& offer) { return uint64_t{offer.amount} * offer.price; }

std::string OwnStateText(bool history, bool buySide, uint8_t state) {
  if (!history) return "active";
  switch (state) {
    case 1: return "cancelled";
    case 2: return "expired";
    case 3:
    case 255: return buySide ? "bought" : "sold";
    default: return "unknown(report it to gamemaster)";
  }
}

OfferType ChosenOfferType(bool sellOn, bool buyOn) {
  return sellOn && !buyOn ? OfferType::Sell : OfferType::Buy;
}

uint32_t AmountCap(bool stackable) { return stackable ? kStackableCap : kSingleCap; }

uint32_t MaximumAmount(OfferType type, uint64_t gold, uint32_t price, uint16_t depotCount,
                       bool stackable) {
  const uint64_t cap = AmountCap(stackable);
  if (type == OfferType::Sell) return static_cast<uint32_t>(std::min<uint64_t>(depotCount, cap));
  if (price == 0) return 0;
  return static_cast<uint32_t>(std::min<uint64_t>(gold / price, cap));
}

uint32_t ReadPiecePrice(const std::string& digits) {
  uint64_t value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') continue;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > std::numeric_limits<uint32_t>::max()) return std::numeric_limits<uint32_t>::max();
  }
  return static_cast<uint32_t>(value);
}

SumCaptions SumCaptionsFor(OfferType type) {
  if (type == OfferType::Sell) return {"Gross Profit:", "Total Profit:"};
  return {"Price:", "Total Price:"};
}

uint64_t PanelTotal(uint32_t price, uint32_t amount) {
  return uint64_t{price} * std::max<uint32_t>(amount, 1);
}

}  // namespace market
