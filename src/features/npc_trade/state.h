// What the library knows of the trade with a non-player character: the
// trader's goods, the player's money and carried goods, the rows shown for
// the chosen mode, the selection, the amount and the option boxes. One
// instance lives from the first trade on; closing a trade resets it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace npc_trade {

// A price of 0 or of this value means the good is not offered that way.
inline constexpr uint32_t kNoPrice = 4294967295u;

enum class Mode : uint8_t { Buy = 0, Sell = 1 };

// One good of the trader, as message 122 carries it.
struct NpcTradeItem {
  uint16_t itemId = 0;
  uint8_t subtype = 0;  // sent back with the request
  std::string name;
  uint32_t weight = 0;  // hundredths of an ounce
  uint32_t buyPrice = 0;
  uint32_t sellPrice = 0;
};

// One entry of the player's carried goods (message 123).
struct HeldGood {
  uint16_t itemId = 0;
  uint8_t amount = 0;
};

struct PlayerGoods {
  uint64_t money = 0;
  std::vector<HeldGood> goods;
};

// A shown row: the good and how many of it the player carries.
struct TradeRow {
  NpcTradeItem item;
  uint16_t held = 0;
};

// The four option boxes, two per mode.
struct TradeOptions {
  bool ignoreCapacity = false;
  bool buyWithBackpack = false;
  bool ignoreEquipped = false;
  bool showAllItems = true;
};

struct TradeState {
  std::vector<NpcTradeItem> goods;
  PlayerGoods player;
  Mode mode = Mode::Buy;
  std::vector<TradeRow> rows;
  int32_t selected = -1;  // index into rows, -1 none
  uint32_t amount = 1;
  std::string search;
  TradeOptions options;
  bool open = false;  // a trade window exists

  // Everything back to a trade that never started.
  void Reset() { *this = TradeState{}; }
  // The selected row, or none.
  const TradeRow* SelectedRow() const;
};

TradeState& Trade();

}  // namespace npc_trade
