// The trade's client requests: buy (122), sell (123) and close (124).
#pragma once

#include <cstdint>

namespace npc_trade {

void RequestBuy(uint16_t itemId, uint8_t subtype, uint8_t amount, bool ignoreCapacity,
                bool buyWithBackpack);
void RequestSell(uint16_t itemId, uint8_t subtype, uint8_t amount, bool ignoreEquipped);
void RequestClose();

}  // namespace npc_trade
