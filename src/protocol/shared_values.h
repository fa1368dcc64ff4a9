// Values the dispatcher keeps on behalf of every feature: the character
// name, the coin and gold balances and the last player statistics. Features
// read them (the market also replaces the gold balance on entering); only
// the dispatcher's own handlers and those features write them. Main thread
// only, like every server-message handler.
#pragma once

#include <cstdint>
#include <string>

// The name last received with opcode 159; empty until then.
std::string& CharacterName();
// The two coin balances of opcodes 223, 242 and 251 (0 until sent).
uint32_t& CoinBalanceA();
uint32_t& CoinBalanceB();
// The gold balance of opcode 238 (and of the market's entry message).
uint64_t& BalanceU64();

namespace protocol {

// The content of the last opcode 160, in message order: S0 to S2, then the
// experience, then S3 to S10 (statistics[3] to statistics[10]).
struct PlayerStatistics {
  uint32_t statistics[11] = {};
  uint64_t experience = 0;
};

// The last statistics message; all zero before the first.
const PlayerStatistics& LastPlayerStatistics();
void StorePlayerStatistics(const PlayerStatistics& statistics);

// Back to the values of a fresh process (tests run many hosts in one).
void ResetSharedValuesForTests();

}  // namespace protocol
