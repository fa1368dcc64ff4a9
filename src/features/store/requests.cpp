#include "features/store/requests.h"

#include "host/host_functions.h"

namespace store {
namespace {

constexpr uint8_t kOffersOpcode = 0xFB;
constexpr uint8_t kBuyOpcode = 0xFC;
constexpr uint8_t kHistoryOpcode = 0xFD;
constexpr uint8_t kHistoryPageOpcode = 0xFE;
constexpr uint8_t kGiftOpcode = 0xEF;

constexpr uint8_t kPlainPurchase = 0;
constexpr uint8_t kNameChangePurchase = 1;
constexpr uint8_t kHistoryEntriesPerPage = 33;

void Purchase(uint32_t offerId, uint8_t productType) {
  HostPacketBegin(kBuyOpcode);
  HostPacketAddU32(offerId);
  HostPacketAddU8(productType);
}

}  // namespace

void RequestOffers(uint8_t value, const std::string& category) {
  HostPacketBegin(kOffersOpcode);
  HostPacketAddU8(value);
  HostPacketAddString(category.c_str());
  HostPacketSend(1);
}

void RequestBuy(uint32_t offerId) {
  Purchase(offerId, kPlainPurchase);
  HostPacketSend(1);
}

void RequestProduct(uint32_t offerId, uint8_t productType) {
  Purchase(offerId, productType);
  HostPacketSend(1);
}

void RequestNameChange(uint32_t offerId, const std::string& name) {
  Purchase(offerId, kNameChangePurchase);
  HostPacketAddString(name.c_str());
  HostPacketSend(1);
}

void RequestHistory() {
  HostPacketBegin(kHistoryOpcode);
  HostPacketAddU8(kHistoryEntriesPerPage);
  HostPacketSend(1);
}

void RequestHistoryPage(uint32_t page) {
  HostPacketBegin(kHistoryPageOpcode);
  HostPacketAddU32(page);
  HostPacketSend(1);
}

void RequestGift(const std::string& recipient, uint32_t amount) {
  HostPacketBegin(kGiftOpcode);
  HostPacketAddString(recipient.c_str());
  HostPacketAddU32(amount);
  HostPacketSend(1);
}

}  // namespace store
