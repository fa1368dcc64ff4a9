// The NPC trade's arithmetic: the weight text, the amount read from its
// box, its maximum and its cap, the total, and whether a buy or a sell may
// be sent. Which goods are rows is left to the scenarios.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "features/npc_trade/rules.h"

namespace npc_trade {
namespace {

constexpr uint64_t kRich = 18446744073709551615u;

TradeRow Row(uint32_t buyPrice, uint32_t sellPrice, uint32_t weight, uint16_t held) {
  TradeRow row;
  row.item.itemId = 2580;
  row.item.buyPrice = buyPrice;
  row.item.sellPrice = sellPrice;
  row.item.weight = weight;
  row.held = held;
  return row;
}

TEST(NpcTradeRules, WeightText) {
  const struct {
    uint32_t weight;
    const char* text;
  } rows[] = {{0, "0.00 oz"},
              {5, "0.05 oz"},
              {99, "0.99 oz"},
              {100, "1.00 oz"},
              {850, "8.50 oz"},
              {123456, "1234.56 oz"},
              {4294967295u, "42949672.95 oz"}};
  for (const auto& r : rows) EXPECT_EQ(WeightText(r.weight), r.text) << r.weight;
}

TEST(NpcTradeRules, AmountText) {
  const struct {
    const char* text;
    uint32_t value;
  } rows[] = {{"", 0},
              {"0", 0},
              {"7", 7},
              {"250", 250},
              {"00012", 12},
              {"4294967295", 4294967295u},
              {"99999999999", 4294967295u}};
  for (const auto& r : rows) EXPECT_EQ(ReadAmountText(r.text), r.value) << r.text;
}

TEST(NpcTradeRules, MaximumAmount) {
  const struct {
    const char* what;
    Mode mode;
    TradeRow row;
    uint64_t money;
    uint32_t capacity;
    uint32_t maximum;
  } rows[] = {
      {"weight 0 cannot be bought", Mode::Buy, Row(10, 0, 0, 0), kRich, 100000, 0},
      {"price 0 cannot be bought", Mode::Buy, Row(0, 5, 100, 0), kRich, 100000, 0},
      {"money below the price", Mode::Buy, Row(150, 0, 850, 0), 149, 100000, 0},
      {"the money decides", Mode::Buy, Row(150, 0, 850, 0), 450, 100000, 3},
      {"the capacity decides", Mode::Buy, Row(150, 0, 850, 0), 100000, 2000, 2},
      {"at most 100", Mode::Buy, Row(1, 0, 1, 0), 100000, 100000, 100},
      {"64-bit money", Mode::Buy, Row(4294967294u, 0, 1, 0), kRich, 4294967295u, 100},
      {"no capacity", Mode::Buy, Row(1, 0, 1, 0), 100, 0, 0},
      {"sell: what is carried", Mode::Sell, Row(0, 40, 850, 3), 0, 0, 3},
      {"sell: at most 100", Mode::Sell, Row(0, 40, 850, 500), 0, 0, 100},
      {"sell: nothing carried", Mode::Sell, Row(0, 40, 850, 0), kRich, 100000, 0},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(MaximumAmount(r.mode, r.row, r.money, r.capacity), r.maximum) << r.what;
  }
}

TEST(NpcTradeRules, EffectiveAmountAndWire) {
  const struct {
    uint32_t typed;
    bool hasRow;
    uint32_t maximum;
    uint32_t amount;
  } rows[] = {{5, false, 100, 0},    {0, true, 100, 1}, {0, true, 0, 0},
              {250, true, 100, 100}, {7, true, 3, 3},   {7, true, 100, 7}};
  for (const auto& r : rows) {
    EXPECT_EQ(EffectiveAmount(r.typed, r.hasRow, r.maximum), r.amount)
        << r.typed << " " << r.hasRow << " " << r.maximum;
  }
  EXPECT_EQ(WireAmount(250), 100);
  EXPECT_EQ(WireAmount(4294967295u), 100);
  EXPECT_EQ(WireAmount(42), 42);
}

TEST(NpcTradeRules, AllowedAndTotal) {
  const TradeRow rod = Row(150, 40, 850, 2);
  const TradeRow dear = Row(4294967294u, 0, 1, 0);
  const TradeRow free = Row(0, 0, 1, 9);
  const struct {
    const char* what;
    const TradeRow* row;
    uint32_t amount;
    uint64_t money;
    bool buy, sell;
  } rows[] = {
      {"no row", nullptr, 1, kRich, false, false},
      {"amount 0", &rod, 0, kRich, false, false},
      {"affordable, carried", &rod, 2, 300, true, true},
      {"one short of the money, more than carried", &rod, 3, 449, false, false},
      {"64-bit product within the money", &dear, 100, 429496729400u, true, false},
      {"64-bit product beyond the money", &dear, 100, 429496729399u, false, false},
      {"no prices", &free, 1, kRich, false, false},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(BuyAllowed(r.row, r.amount, r.money), r.buy) << r.what;
    EXPECT_EQ(SellAllowed(r.row, r.amount), r.sell) << r.what;
  }
  EXPECT_EQ(TotalPrice(Mode::Buy, &dear, 100), 429496729400u);
  EXPECT_EQ(TotalPrice(Mode::Sell, &rod, 3), 120u);
  EXPECT_EQ(TotalPrice(Mode::Buy, nullptr, 3), 0u);
}

}  // namespace
}  // namespace npc_trade
