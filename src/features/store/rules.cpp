#include "features/store/rules.h"

#include <algorithm>
#include <limits>

#include "gui/text_case.h"

namespace store {
namespace {

// A package size of 0 would divide by zero; it gifts coin by coin instead.
uint32_t Package(uint16_t packageSize) { return packageSize == 0 ? 1u : packageSize; }

}  // namespace

std::string ChooseImageName(const std::vector<std::string>& icons, uint8_t firstIconFlag) {
  if (icons.empty()) return kEmptyImage;
  const std::string& chosen = icons.size() == 1 || firstIconFlag != 0 ? icons[0] : icons[1];
  return chosen.empty() ? kEmptyImage : chosen;
}

std::string PriceText(uint32_t price) { return std::to_string(price); }

std::string ChangeText(int32_t change) {
  return change >= 0 ? "+" + std::to_string(change) : std::to_string(change);
}

uint32_t GiftableCoins(uint32_t transferable, uint16_t packageSize) {
  return transferable - transferable % Package(packageSize);
}

bool CanGift(uint32_t transferable, uint16_t packageSize) {
  return GiftableCoins(transferable, packageSize) >= Package(packageSize);
}

int32_t GiftSliderMaximum(uint32_t transferable, uint16_t packageSize) {
  if (!CanGift(transferable, packageSize)) return 0;
  const uint32_t packages = GiftableCoins(transferable, packageSize) / Package(packageSize);
  // Coin by coin, four billion positions would not fit the slider's range.
  return static_cast<int32_t>(
      std::min<uint32_t>(packages - 1, std::numeric_limits<int32_t>::max()));
}

uint32_t GiftAmount(int32_t position, uint32_t transferable, uint16_t packageSize) {
  // 64 bits: 2^31 positions of 65535 coins exceed 32.
  const uint64_t packages = static_cast<uint64_t>(std::max(position, 0)) + 1;
  const uint64_t amount = packages * Package(packageSize);
  return static_cast<uint32_t>(
      std::min<uint64_t>(amount, GiftableCoins(transferable, packageSize)));
}

bool SearchShows(const std::string& filter, const std::string& name) {
  if (filter.empty() || filter == kSearchHint) return true;
  return gui::LowerCase(name).find(gui::LowerCase(filter)) != std::string::npos;
}

std::string PageLabel(uint32_t page, uint32_t pages) {
  return "Page " + std::to_string(uint64_t{page} + 1) + "/" + std::to_string(pages);
}

bool PreviousPageShown(uint32_t page) { return page != 0; }

bool NextPageShown(uint32_t page, uint32_t pages) {
  // pages - 1 in 64 bits: a page count of 0 (read as 1 anyway) does not wrap.
  return uint64_t{page} + 1 < uint64_t{pages};
}

std::string MessageBoxTitle(uint8_t type) {
  switch (type) {
    case 0: return "Purchase failed";
    case 1: return "Failure!";
    case 2: return "Failed to retrieve Coins History";
    case 3: return "Gifting not posible";
    case 4: return "Information";
    default: return "Purchase completed successfully";
  }
}

std::vector<std::string> DescriptionTexts(const StoreOffer& offer) {
  // The pane drops empty segments, so the blank lines are single spaces.
  std::vector<std::string> texts;
  if (offer.highlight == kSale) {
    texts.push_back("This offer expires at:\n" + offer.saleEndText + " \n \n");
  }
  texts.push_back(offer.description);
  if (!offer.subOffers.empty()) {
    texts.push_back(" \n \nThis package contains:\n");
    for (const StoreSubOffer& sub : offer.subOffers) texts.push_back(sub.name);
  }
  return texts;
}

std::string UnavailableText(const std::string& reason) {
  return "The product is currently not available for this character:\n" + reason;
}

bool CanBuy(const StoreOffer& offer, uint32_t balance) {
  return !offer.disabled && offer.price <= balance;
}

}  // namespace store
