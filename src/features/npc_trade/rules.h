// The trade's rules that need no window: which goods are rows in a mode,
// the weight text, the amount read from its box and its maximum, the total
// and whether a buy or a sell may be sent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "features/npc_trade/state.h"

namespace npc_trade {

// The most a request carries in its amount byte.
inline constexpr uint32_t kLargestAmount = 100;

// A price of 0 or 4,294,967,295 offers nothing.
bool IsOffered(uint32_t price);
uint32_t PriceIn(Mode mode, const NpcTradeItem& item);

// How many of `itemId` the player carries: every entry of it counted,
// capped at what a row holds (65,535).
uint16_t HeldCount(const PlayerGoods& player, uint16_t itemId);

// The rows of a mode, in the trader's order: the goods offered in that mode
// whose name contains `search` in any letter case; in Sell mode, unless `showAllItems`, only
// those the player carries.
std::vector<TradeRow> BuildRows(const std::vector<NpcTradeItem>& goods, const PlayerGoods& player,
                                Mode mode, const std::string& search, bool showAllItems);

// The weight in ounces with two decimals: 150 -> "1.50 oz", 0 -> "0.00 oz".
std::string WeightText(uint32_t weight);

// The amount box's text as an unsigned decimal; anything past the largest
// 32-bit value stays there, and a text without digits reads 0.
uint32_t ReadAmountText(const std::string& text);

// The most of `row` the player may trade now. Buy: 0 for a price or a
// weight of 0, else the fewest of what the money pays for, what the free
// capacity carries and 100. Sell: what the player carries, at most 100.
uint32_t MaximumAmount(Mode mode, const TradeRow& row, uint64_t money, uint32_t freeCapacity);

// The amount a typed value stands for: 0 without a selected row; else the
// value (0 counting as 1) capped at the row's maximum.
uint32_t EffectiveAmount(uint32_t typed, bool hasRow, uint32_t maximum);

// The amount times the price of the mode (a 64-bit product).
uint64_t TotalPrice(Mode mode, const TradeRow* row, uint32_t amount);

bool BuyAllowed(const TradeRow* row, uint32_t amount, uint64_t money);
bool SellAllowed(const TradeRow* row, uint32_t amount);

// The amount byte of a request.
uint8_t WireAmount(uint32_t amount);

}  // namespace npc_trade
