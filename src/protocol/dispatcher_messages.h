// The server messages the dispatcher parses itself (registered by
// RegisterDispatcherOpcodes and RegisterStoreBalanceMessage).
#pragma once

#include <cstdint>

namespace protocol {

// 10: the host's notice function 0x404B00; the host parses the message too.
void ParseHostNotice();
// 97: eighteen u16 values, discarded.
void ParseSkippedValues97();
// 189: a u16 count, then count x three u32 values, discarded.
void ParseSkippedValues189();
// 159: the character name.
void ParseCharacterName();
// 160: the player statistics, written into the host's player variables.
void ParsePlayerStatistics();
// 223: the coin balances.
void ParseCoinBalance();
// 242: the coin-balance flag.
void ParseCoinBalanceFlag();
// 238: the gold balance (BalanceU64).
void ParseGoldBalance();
// 251: the coin balances, then the store's data.
void ParseStoreCoinBalance();

// Host address of the experience label ("Exp." and seven zero bytes)
// relative to the host module's base, and its size.
inline constexpr uint32_t kExperienceLabelOffset = 0x1BCA60;
inline constexpr uint32_t kExperienceLabelSize = 11;

}  // namespace protocol
