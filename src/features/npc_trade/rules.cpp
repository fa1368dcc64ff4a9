#include "features/npc_trade/rules.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <limits>

#include "gui/text_case.h"

namespace npc_trade {

bool IsOffered(uint32_t price) { return price != 0 && price != kNoPrice; }

uint32_t PriceIn(Mode mode, const NpcTradeItem& item) {
  return mode == Mode::Buy ? item.buyPrice : item.sellPrice;
}

uint16_t HeldCount(const PlayerGoods& player, uint16_t itemId) {
  uint32_t count = 0;
  for (const HeldGood& good : player.goods) {
    if (good.itemId == itemId) count += good.amount;
  }
  return static_cast<uint16_t>(std::min<uint32_t>(count, std::numeric_limits<uint16_t>::max()));
}

std::vector<TradeRow> BuildRows(const std::vector<NpcTradeItem>& goods, const PlayerGoods& player,
                                Mode mode, const std::string& search, bool showAllItems) {
  std::vector<TradeRow> rows;
  const std::string wanted = gui::LowerCase(search);
  for (const NpcTradeItem& item : goods) {
    if (!IsOffered(PriceIn(mode, item))) continue;
    if (gui::LowerCase(item.name).find(wanted) == std::string::npos) continue;
    const uint16_t held = HeldCount(player, item.itemId);
    if (mode == Mode::Sell && !showAllItems && held == 0) continue;
    rows.push_back(TradeRow{item, held});
  }
  return rows;
}

std::string WeightText(uint32_t weight) {
  // Whole hundredths printed as digits: exact for every 32-bit weight.
  char text[32];
  std::snprintf(text, sizeof text, "%" PRIu32 ".%02" PRIu32 " oz", weight / 100, weight % 100);
  return text;
}

uint32_t ReadAmountText(const std::string& text) {
  constexpr uint64_t kLargest = std::numeric_limits<uint32_t>::max();
  uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') break;
    value = std::min<uint64_t>(value * 10 + static_cast<uint64_t>(c - '0'), kLargest);
  }
  return static_cast<uint32_t>(value);
}

uint32_t MaximumAmount(Mode mode, const TradeRow& row, uint64_t money, uint32_t freeCapacity) {
  if (mode == Mode::Sell) return std::min<uint32_t>(row.held, kLargestAmount);
  const uint32_t price = row.item.buyPrice;
  const uint32_t weight = row.item.weight;
  if (price == 0 || weight == 0) return 0;
  const uint64_t affordable = money / price;  // 0 when the money is below the price
  const uint64_t carried = freeCapacity / weight;
  return static_cast<uint32_t>(std::min({affordable, carried, uint64_t{kLargestAmount}}));
}

uint32_t EffectiveAmount(uint32_t typed, bool hasRow, uint32_t maximum) {
  if (!hasRow) return 0;
  return std::min(typed == 0 ? 1u : typed, maximum);
}

uint64_t TotalPrice(Mode mode, const TradeRow* row, uint32_t amount) {
  if (row == nullptr) return 0;
  return uint64_t{amount} * PriceIn(mode, row->item);
}

bool BuyAllowed(const TradeRow* row, uint32_t amount, uint64_t money) {
  if (row == nullptr || amount == 0 || row->item.buyPrice == 0) return false;
  return uint64_t{amount} * row->item.buyPrice <= money;
}

bool SellAllowed(const TradeRow* row, uint32_t amount) {
  if (row == nullptr || amount == 0 || row->item.sellPrice == 0) return false;
  return amount <= row->held;
}

uint8_t WireAmount(uint32_t amount) {
  return static_cast<uint8_t>(std::min(amount, kLargestAmount));
}

}  // namespace npc_trade
