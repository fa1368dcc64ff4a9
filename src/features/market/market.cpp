#include "features/market/market.h"

#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

#include "features/market/rules.h"
#include "features/market/state.h"
#include "features/market/window.h"
#include "host/frame_hooks.h"
#include "host/host_functions.h"
#include "protocol/dispatcher.h"
#include "protocol/handler_guard.h"
#include "protocol/message_hooks.h"
#include "protocol/message_reader.h"
#include "protocol/shared_values.h"

namespace market {
namespace {

constexpr int32_t kEnterOpcode = 0xF6;
constexpr int32_t kLeaveOpcode = 0xF7;
constexpr int32_t kDetailsOpcode = 0xF8;
constexpr int32_t kOffersOpcode = 0xF9;

// The fewest bytes an entry takes on the wire.
constexpr uint64_t kDepotEntryBytes = 2 + 2;
constexpr uint64_t kStatisticsEntryBytes = 4 * 4;
constexpr uint64_t kStringLengthBytes = 2;

// An offer row: timestamp, counter, amount and price, with the item id of
// own rows, the state byte of history rows and the holder's name (at least
// its length) of an item's rows.
uint64_t MinOfferBytes(uint16_t request) {
  uint64_t bytes = 4 + 2 + 2 + 4;
  if (request == kOwnHistory || request == kOwnOffers) bytes += 2;
  if (request == kOwnHistory) {
    bytes += 1;
  } else if (request != kOwnOffers) {
    bytes += kStringLengthBytes;
  }
  return bytes;
}

// A count of entries the rest of the buffer cannot hold belongs to a broken
// message: it ends the handler instead of billions of reads past the end.
void RequireRoom(uint64_t count, uint64_t minBytes, const char* what) {
  if (count * minBytes > BytesLeftInBuffer()) throw std::length_error(what);
}

std::vector<StatisticsEntry> ReadStatistics() {
  const uint8_t count = HostReadU8();
  RequireRoom(count, kStatisticsEntryBytes, "statistics");
  std::vector<StatisticsEntry> entries(count);
  for (StatisticsEntry& entry : entries) {
    entry.transactions = HostReadU32();
    entry.totalPrice = HostReadU32();
    entry.highest = HostReadU32();
    entry.lowest = HostReadU32();
  }
  return entries;
}

MarketOffer ReadOffer(uint16_t request) {
  const bool own = request == kOwnHistory || request == kOwnOffers;
  MarketOffer offer;
  offer.timestamp = HostReadU32();
  offer.counter = HostReadU16();
  offer.itemId = own ? HostReadU16() : request;
  offer.amount = HostReadU16();
  offer.price = HostReadU32();
  if (request == kOwnHistory) {
    offer.state = HostReadU8();
  } else if (!own) {
    offer.holderName = ReadString();
  }
  return offer;
}

std::vector<MarketOffer> ReadOfferList(uint16_t request) {
  const uint32_t count = HostReadU32();
  RequireRoom(count, MinOfferBytes(request), "offers");
  std::vector<MarketOffer> offers;
  offers.reserve(count);
  for (uint32_t i = 0; i < count; ++i) offers.push_back(ReadOffer(request));
  return offers;
}

void LeaveGame() {
  DestroyEverywhere();
  State().Reset();
}

}  // namespace

// Every parser builds its records aside and stores them only once the whole
// payload was read, so a message cut short changes nothing.

void ParseMarketEnter() {
  protocol::RunQuietly([] {
    const uint64_t gold = ReadU64();
    const uint8_t offerCount = HostReadU8();
    const uint16_t depotCount = HostReadU16();
    RequireRoom(depotCount, kDepotEntryBytes, "depot");
    std::map<uint16_t, uint16_t> depot;
    for (uint16_t i = 0; i < depotCount; ++i) {
      const uint16_t itemId = HostReadU16();
      depot[itemId] = HostReadU16();
    }

    BalanceU64() = gold;
    MarketState& state = State();
    state.offerCount = offerCount;
    state.depot = std::move(depot);
    OnMarketEntered();
    // Whatever else shows the gold balance follows it too.
    protocol::NotifyGoldBalance();
  });
}

void ParseMarketLeave() {
  protocol::RunQuietly([] { OnMarketLeft(); });
}

void ParseMarketDetails() {
  protocol::RunQuietly([] {
    ItemDetails details;
    details.itemId = HostReadU16();
    for (std::string& text : details.texts) text = ReadString();
    details.buy = SumStatistics(ReadStatistics());
    details.sell = SumStatistics(ReadStatistics());

    // The details of an item the player has left arrive too late to show.
    MarketState& state = State();
    if (details.itemId != state.browsedTradeId) return;
    state.details = std::move(details);
    OnDetailsReplaced();
  });
}

void ParseMarketOffers() {
  protocol::RunQuietly([] {
    OfferLists lists;
    lists.request = HostReadU16();
    lists.received = true;
    lists.buy = ReadOfferList(lists.request);
    lists.sell = ReadOfferList(lists.request);

    MarketState& state = State();
    const uint16_t request = lists.request;
    if (request == kOwnHistory) {
      state.history = std::move(lists);
    } else if (request == kOwnOffers) {
      state.ownOffers = std::move(lists);
    } else if (request == state.browsedTradeId) {
      state.itemOffers = std::move(lists);
    } else {
      return;
    }
    OnOffersReplaced(request);
  });
}

void Install() {
  protocol::RegisterOpcode(kEnterOpcode, &ParseMarketEnter);
  protocol::RegisterOpcode(kLeaveOpcode, &ParseMarketLeave);
  protocol::RegisterOpcode(kDetailsOpcode, &ParseMarketDetails);
  protocol::RegisterOpcode(kOffersOpcode, &ParseMarketOffers);
  protocol::RegisterCoinBalanceRefresh(&RefreshBalances);
  protocol::RegisterGoldBalanceRefresh(&RefreshBalances);
  host::RegisterGameLeftReset(&LeaveGame);
}

}  // namespace market
