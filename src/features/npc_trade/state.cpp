#include "features/npc_trade/state.h"

namespace npc_trade {

const TradeRow* TradeState::SelectedRow() const {
  if (selected < 0 || static_cast<size_t>(selected) >= rows.size()) return nullptr;
  return &rows[static_cast<size_t>(selected)];
}

TradeState& Trade() {
  static TradeState state;
  return state;
}

}  // namespace npc_trade
