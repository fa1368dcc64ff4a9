#include "features/npc_trade/requests.h"

#include "host/host_functions.h"

namespace npc_trade {
namespace {

constexpr uint8_t kBuyOpcode = 0x7A;
constexpr uint8_t kSellOpcode = 0x7B;
constexpr uint8_t kCloseOpcode = 0x7C;

uint8_t Flag(bool on) { return on ? 1 : 0; }

}  // namespace

void RequestBuy(uint16_t itemId, uint8_t subtype, uint8_t amount, bool ignoreCapacity,
                bool buyWithBackpack) {
  HostPacketBegin(kBuyOpcode);
  HostPacketAddU16(itemId);
  HostPacketAddU8(subtype);
  HostPacketAddU8(amount);
  HostPacketAddU8(Flag(ignoreCapacity));
  HostPacketAddU8(Flag(buyWithBackpack));
  HostPacketSend(1);
}

void RequestSell(uint16_t itemId, uint8_t subtype, uint8_t amount, bool ignoreEquipped) {
  HostPacketBegin(kSellOpcode);
  HostPacketAddU16(itemId);
  HostPacketAddU8(subtype);
  HostPacketAddU8(amount);
  HostPacketAddU8(Flag(ignoreEquipped));
  HostPacketSend(1);
}

void RequestClose() {
  HostPacketBegin(kCloseOpcode);
  HostPacketSend(1);
}

}  // namespace npc_trade
