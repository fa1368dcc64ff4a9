#include "protocol/shared_values.h"

namespace protocol {
namespace {

struct SharedValues {
  std::string characterName;
  uint32_t coinBalanceA = 0;
  uint32_t coinBalanceB = 0;
  uint64_t balanceU64 = 0;
  PlayerStatistics statistics;
};

SharedValues& Values() {
  static SharedValues values;
  return values;
}

}  // namespace

const PlayerStatistics& LastPlayerStatistics() { return Values().statistics; }
void StorePlayerStatistics(const PlayerStatistics& statistics) {
  Values().statistics = statistics;
}
void ResetSharedValuesForTests() { Values() = SharedValues{}; }

}  // namespace protocol

std::string& CharacterName() { return protocol::Values().characterName; }
uint32_t& CoinBalanceA() { return protocol::Values().coinBalanceA; }
uint32_t& CoinBalanceB() { return protocol::Values().coinBalanceB; }
uint64_t& BalanceU64() { return protocol::Values().balanceU64; }
