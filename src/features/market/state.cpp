#include "features/market/state.h"

namespace market {

uint16_t MarketState::DepotCount(uint16_t tradeId) const {
  const auto found = depot.find(tradeId);
  return found == depot.end() ? 0 : found->second;
}

MarketState& State() {
  static MarketState state;
  return state;
}

}  // namespace market
