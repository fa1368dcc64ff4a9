#include "features/market/requests.h"

#include "host/host_functions.h"

namespace market {
namespace {

constexpr uint8_t kLeaveOpcode = 0xF4;
constexpr uint8_t kBrowseOpcode = 0xF5;
constexpr uint8_t kCreateOpcode = 0xF6;
constexpr uint8_t kCancelOpcode = 0xF7;
constexpr uint8_t kAcceptOpcode = 0xF8;

}  // namespace

void RequestLeave() {
  HostPacketBegin(kLeaveOpcode);
  HostPacketSend(1);
}

bool RequestOffers(uint16_t request) {
  if (request == 0) return false;
  HostPacketBegin(kBrowseOpcode);
  HostPacketAddU16(request);
  HostPacketSend(1);
  return true;
}

bool RequestCreate(OfferType type, uint16_t tradeId, uint16_t amount, uint32_t price,
                   bool anonymous) {
  if (tradeId == 0 || amount == 0 || price == 0) return false;
  HostPacketBegin(kCreateOpcode);
  HostPacketAddU8(static_cast<uint8_t>(type));
  HostPacketAddU16(tradeId);
  HostPacketAddU16(amount);
  HostPacketAddU32(price);
  HostPacketAddU8(anonymous ? 1 : 0);
  HostPacketSend(1);
  return true;
}

bool RequestCancel(uint32_t timestamp, uint16_t counter) {
  if (timestamp == 0) return false;
  HostPacketBegin(kCancelOpcode);
  HostPacketAddU32(timestamp);
  HostPacketAddU16(counter);
  HostPacketSend(1);
  return true;
}

bool RequestAccept(uint32_t timestamp, uint16_t counter, uint16_t amount) {
  if (timestamp == 0 || amount == 0) return false;
  HostPacketBegin(kAcceptOpcode);
  HostPacketAddU32(timestamp);
  HostPacketAddU16(counter);
  HostPacketAddU16(amount);
  HostPacketSend(1);
  return true;
}

}  // namespace market
