// What the library holds of the market: the depot counts and offer count of
// the last entry message, the details and statistics of the last item
// details message, the offer lists of the last offers messages, and what the
// window shows (view, selected item). The gold balance is BalanceU64 and the
// transferable coins CoinBalanceB, both kept by the dispatcher. Main-thread
// data, one instance for the process.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace market {

// The request values of message 249 and request 245 that are not trade ids.
inline constexpr uint16_t kOwnHistory = 0xFFFF;
inline constexpr uint16_t kOwnOffers = 0xFFFE;

// One offer row as message 249 sends it.
struct MarketOffer {
  uint32_t timestamp = 0;  // with counter, identifies the offer
  uint16_t counter = 0;
  uint16_t itemId = 0;  // trade id
  uint16_t amount = 0;
  uint32_t price = 0;  // piece price
  uint8_t state = 0;   // own history only
  std::string holderName;  // an item's offers only
};

// The buy and sell offers of one message 249.
struct OfferLists {
  uint16_t request = 0;  // what they answer: a trade id, kOwnOffers or kOwnHistory
  bool received = false;
  std::vector<MarketOffer> buy;
  std::vector<MarketOffer> sell;
};

// One side of an item's statistics, summed over the message's entries.
struct SideStatistics {
  uint64_t transactions = 0;
  uint64_t totalPrice = 0;
  uint32_t highest = 0;
  uint32_t lowest = 0;  // 0: no lowest price
  uint64_t Average() const { return transactions == 0 ? 0 : totalPrice / transactions; }
};

// One statistics entry on the wire.
struct StatisticsEntry {
  uint32_t transactions = 0;
  uint32_t totalPrice = 0;
  uint32_t highest = 0;
  uint32_t lowest = 0;
};

inline constexpr size_t kDetailCount = 15;

// Message 248 for one item.
struct ItemDetails {
  uint16_t itemId = 0;  // trade id; 0: none received
  std::array<std::string, kDetailCount> texts;
  SideStatistics buy;
  SideStatistics sell;
};

enum class View : uint8_t { Offers = 0, Details = 1, CurrentOffers = 2, History = 3 };

struct MarketState {
  std::map<uint16_t, uint16_t> depot;  // trade id -> count
  uint8_t offerCount = 0;              // kept, not shown
  View view = View::Offers;
  int32_t selectedItem = -1;  // index into MarketItems(), -1: none
  // The trade id of the item whose offers were asked for last; the offers
  // of any other item arrive too late to be shown and are dropped.
  uint16_t browsedTradeId = 0;
  ItemDetails details;
  OfferLists itemOffers;  // the browsed item's
  OfferLists ownOffers;   // kOwnOffers
  OfferLists history;     // kOwnHistory
  // Request 244 went out; the window waits for the server's 247.
  bool leaving = false;

  uint16_t DepotCount(uint16_t tradeId) const;
  // Leaving the game: everything back to its initial value.
  void Reset() { *this = MarketState{}; }
};

MarketState& State();

}  // namespace market
