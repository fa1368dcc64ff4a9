#include "features/store/store.h"

#include <string>
#include <utility>
#include <vector>

#include "features/store/dialogs.h"
#include "features/store/image_cache.h"
#include "features/store/requests.h"
#include "features/store/rules.h"
#include "features/store/state.h"
#include "features/store/window.h"
#include "host/frame_hooks.h"
#include "host/host_functions.h"
#include "protocol/date_text.h"
#include "protocol/dispatcher.h"
#include "protocol/handler_guard.h"
#include "protocol/message_hooks.h"
#include "protocol/message_reader.h"
#include "protocol/shared_values.h"

namespace store {
namespace {

constexpr int32_t kOffersOpcode = 0xFC;
constexpr int32_t kHistoryOpcode = 0xFD;
constexpr int32_t kPurchaseResultOpcode = 0xFE;
constexpr int32_t kMessageOpcode = 0xE0;
constexpr int32_t kProductRequestOpcode = 0xE1;

constexpr uint8_t kPurchaseResultType = 255;
constexpr uint8_t kNameChangeProduct = 1;

// The fewest bytes an entry takes on the wire (every text empty, no icons,
// no sub-offers).
constexpr uint64_t kMinCategoryBytes = 2 + 2 + 1 + 1 + 2;
constexpr uint64_t kMinOfferBytes = 4 + 2 + 2 + 4 + 1 + 1 + 1 + 2;
constexpr uint64_t kMinSubOfferBytes = 2 + 2 + 1 + 2;
constexpr uint64_t kMinIconBytes = 2;
constexpr uint64_t kMinHistoryBytes = 4 + 1 + 4 + 2;

std::vector<std::string> ReadIcons() {
  const uint8_t count = HostReadU8();
  RequireRoom(count, kMinIconBytes, "icons");
  std::vector<std::string> icons;
  icons.reserve(count);
  for (uint8_t i = 0; i < count; ++i) icons.push_back(ReadString());
  return icons;
}

StoreCategory ReadCategory(uint8_t firstIconFlag) {
  StoreCategory category;
  category.name = ReadString();
  category.description = ReadString();
  category.highlight = HostReadU8();
  category.imageName = ChooseImageName(ReadIcons(), firstIconFlag);
  category.parentName = ReadString();
  return category;
}

StoreSubOffer ReadSubOffer(uint8_t firstIconFlag) {
  StoreSubOffer sub;
  sub.name = ReadString();
  sub.description = ReadString();
  sub.imageName = ChooseImageName(ReadIcons(), firstIconFlag);
  sub.parentId = ReadString();
  return sub;
}

StoreOffer ReadOffer(uint8_t firstIconFlag) {
  StoreOffer offer;
  offer.id = HostReadU32();
  offer.name = ReadString();
  offer.description = ReadString();
  offer.price = HostReadU32();
  offer.priceText = PriceText(offer.price);
  offer.highlight = HostReadU8();
  if (offer.highlight == kSale) {
    offer.saleEnd = HostReadU32();
    offer.saleEndText = protocol::DateText(offer.saleEnd);
    offer.basePrice = HostReadU32();
    offer.basePriceText = PriceText(offer.basePrice);
  }
  const uint8_t disabled = HostReadU8();
  // Only 1 carries a reason; any value but 0 disables.
  offer.disabled = disabled != 0;
  if (disabled == 1) offer.disabledReason = ReadString();
  offer.imageName = ChooseImageName(ReadIcons(), firstIconFlag);
  const uint16_t subCount = HostReadU16();
  RequireRoom(subCount, kMinSubOfferBytes, "sub-offers");
  offer.subOffers.reserve(subCount);
  for (uint16_t i = 0; i < subCount; ++i) offer.subOffers.push_back(ReadSubOffer(firstIconFlag));
  return offer;
}

HistoryRow ReadHistoryRow() {
  HistoryRow row;
  row.date = protocol::DateText(HostReadU32());
  HostReadU8();  // the kind of the entry is not shown
  row.change = static_cast<int32_t>(HostReadU32());
  row.changeText = ChangeText(row.change);
  row.description = ReadString();
  return row;
}

void LeaveGame() {
  DestroyEverywhere();  // ends the pictures' session too
  State().Reset();
}

}  // namespace

// Every parser builds its records aside and stores them only once the whole
// payload was read, so a message cut short changes nothing.

void ParseStoreData() {
  protocol::RunQuietly([] {
    std::string baseUrl = ReadString();
    const uint16_t packageSize = HostReadU16();
    const uint8_t firstIconFlag = HostReadU8();
    const uint16_t count = HostReadU16();
    RequireRoom(count, kMinCategoryBytes, "categories");
    std::vector<StoreCategory> categories;
    categories.reserve(count);
    for (uint16_t i = 0; i < count; ++i) categories.push_back(ReadCategory(firstIconFlag));

    StoreState& state = State();
    state.imageBaseUrl = std::move(baseUrl);
    state.packageSize = packageSize;
    state.firstIconFlag = firstIconFlag;
    state.categories = std::move(categories);
    OnStoreData();
  });
}

void ParseStoreOffers() {
  protocol::RunQuietly([] {
    std::string category = ReadString();
    const uint16_t count = HostReadU16();
    RequireRoom(count, kMinOfferBytes, "offers");
    const uint8_t firstIconFlag = State().firstIconFlag;
    std::vector<StoreOffer> offers;
    offers.reserve(count);
    for (uint16_t i = 0; i < count; ++i) offers.push_back(ReadOffer(firstIconFlag));

    StoreState& state = State();
    state.offersCategory = std::move(category);
    state.offers = std::move(offers);
    OnOffersReplaced();
  });
}

void ParseStoreHistory() {
  protocol::RunQuietly([] {
    const uint32_t page = HostReadU32();
    const uint32_t pages = HostReadU32();
    const uint8_t count = HostReadU8();
    RequireRoom(count, kMinHistoryBytes, "history");
    std::vector<HistoryRow> rows;
    rows.reserve(count);
    for (uint8_t i = 0; i < count; ++i) rows.push_back(ReadHistoryRow());

    StoreState& state = State();
    state.historyPage = page;
    state.historyPages = pages == 0 ? 1 : pages;
    state.history = std::move(rows);
    OnHistoryReplaced();
  });
}

void ParseStorePurchaseResult() {
  protocol::RunQuietly([] {
    HostReadU8();  // not used
    const std::string message = ReadString();
    const uint32_t balance = HostReadU32();
    const uint32_t transferable = HostReadU32();
    CoinBalanceA() = balance;
    CoinBalanceB() = transferable;
    protocol::NotifyCoinBalance();
    ShowMessageBox(kPurchaseResultType, message);
  });
}

void ParseStoreMessage() {
  protocol::RunQuietly([] {
    const uint8_t type = HostReadU8();
    const std::string message = ReadString();
    ShowMessageBox(type, message);
  });
}

void ParseStoreProductRequest() {
  protocol::RunQuietly([] {
    const uint32_t offerId = HostReadU32();
    const uint8_t productType = HostReadU8();
    if (productType == kNameChangeProduct) {
      OpenNameChanger(offerId);
    } else {
      RequestProduct(offerId, productType);
    }
  });
}

void Install() {
  protocol::RegisterStoreBalanceMessage(&ParseStoreData);
  protocol::RegisterOpcode(kOffersOpcode, &ParseStoreOffers);
  protocol::RegisterOpcode(kHistoryOpcode, &ParseStoreHistory);
  protocol::RegisterOpcode(kPurchaseResultOpcode, &ParseStorePurchaseResult);
  protocol::RegisterOpcode(kMessageOpcode, &ParseStoreMessage);
  protocol::RegisterOpcode(kProductRequestOpcode, &ParseStoreProductRequest);
  protocol::RegisterCoinBalanceRefresh(&RefreshCoinLabels);
  host::RegisterGameLeftReset(&LeaveGame);
}

}  // namespace store
