// The market's rules that need no window: the statistics of message 248,
// the amount an offer may hold, the state texts of own rows, the piece
// price read from its box, and which items a category or a search lists,
// taken from the appearance data's attribute 33.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "features/market/items.h"
#include "features/market/rules.h"
#include "host/appearance/appearance_parser.h"
#include "sim/appearance_writer.h"

namespace market {
namespace {

constexpr uint32_t kNone = kNoLowestPrice;

TEST(MarketRules, StatisticsSums) {
  struct Row {
    const char* what;
    std::vector<StatisticsEntry> entries;
    uint64_t transactions, totalPrice;
    uint32_t highest, lowest;
    uint64_t average;
  };
  const Row rows[] = {
      {"no entries", {}, 0, 0, 0, 0, 0},
      {"one entry", {{4, 1000, 300, 200}}, 4, 1000, 300, 200, 250},
      {"no lowest price is ignored", {{1, 50, 50, kNone}}, 1, 50, 50, 0, 50},
      {"the smallest lowest, the largest highest",
       {{1, 10, 90, 70}, {1, 10, 95, 60}, {1, 10, 80, 65}},
       3, 30, 95, 60, 10},
      {"a running 0 is unset", {{1, 1, 1, 0}, {1, 1, 1, 40}}, 2, 2, 1, 40, 1},
      {"no lowest does not replace one", {{1, 1, 1, 40}, {1, 1, 1, kNone}}, 2, 2, 1, 40, 1},
      {"sums in 64 bits",
       {{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 5}, {1, 0xFFFFFFFF, 1, 3}},
       0x100000000u, 0x1FFFFFFFEu, 0xFFFFFFFF, 3, 1},
  };
  for (const Row& r : rows) {
    const SideStatistics side = SumStatistics(r.entries);
    EXPECT_EQ(side.transactions, r.transactions) << r.what;
    EXPECT_EQ(side.totalPrice, r.totalPrice) << r.what;
    EXPECT_EQ(side.highest, r.highest) << r.what;
    EXPECT_EQ(side.lowest, r.lowest) << r.what;
    EXPECT_EQ(side.Average(), r.average) << r.what;
  }
}

TEST(MarketRules, MaximumAmount) {
  constexpr uint64_t kRich = std::numeric_limits<uint64_t>::max();
  struct Row {
    OfferType type;
    uint64_t gold;
    uint32_t price;
    uint16_t depot;
    bool stackable;
    uint32_t maximum;
  };
  const Row rows[] = {
      {OfferType::Buy, 1000, 0, 0, false, 0},             // no price, nothing to buy
      {OfferType::Buy, 5000, 1, 0, false, 2000},          // 5,000 affordable, 2,000 allowed
      {OfferType::Buy, 5000, 1, 0, true, 5000},
      {OfferType::Buy, kRich, 1, 0, true, 64000},
      {OfferType::Buy, 999, 1000, 0, true, 0},
      {OfferType::Buy, 10000, 3, 0, false, 2000},
      {OfferType::Buy, 10000, 7, 0, true, 1428},
      {OfferType::Buy, kRich, 0xFFFFFFFF, 50, false, 2000},  // the depot does not matter
      {OfferType::Sell, 0, 0, 3, false, 3},                 // nor gold and price for a sell
      {OfferType::Sell, 0, 5, 0, true, 0},
      {OfferType::Sell, 0, 5, 65535, false, 2000},
      {OfferType::Sell, 0, 5, 65535, true, 64000},
      {OfferType::Sell, 0, 5, 64000, true, 64000},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(MaximumAmount(r.type, r.gold, r.price, r.depot, r.stackable), r.maximum)
        << (r.type == OfferType::Sell ? "sell" : "buy") << " gold " << r.gold << " price "
        << r.price << " depot " << r.depot << (r.stackable ? " stackable" : "");
  }
}

TEST(MarketRules, OfferTypeAndTotal) {
  // Sell only with "Sell" on and "Buy" off.
  EXPECT_EQ(ChosenOfferType(true, false), OfferType::Sell);
  EXPECT_EQ(ChosenOfferType(true, true), OfferType::Buy);
  EXPECT_EQ(ChosenOfferType(false, false), OfferType::Buy);
  EXPECT_EQ(PanelTotal(250, 0), 250u);  // one piece at least
  EXPECT_EQ(PanelTotal(0xFFFFFFFF, 64000), 0xFFFFFFFFull * 64000);
}

TEST(MarketRules, OwnStateText) {
  struct Row {
    bool history, buySide;
    uint8_t state;
    const char* text;
  };
  const char* const kUnknown = "unknown(report it to gamemaster)";
  const Row rows[] = {
      {false, true, 0, "active"},    {false, false, 9, "active"},  // current offers carry none
      {true, true, 1, "cancelled"},  {true, false, 2, "expired"},
      {true, true, 3, "bought"},     {true, false, 3, "sold"},
      {true, true, 255, "bought"},   {true, false, 255, "sold"},
      {true, true, 0, kUnknown},     {true, false, 4, kUnknown},
      {true, true, 254, kUnknown},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(OwnStateText(r.history, r.buySide, r.state), r.text)
        << r.history << r.buySide << int{r.state};
  }
}

TEST(MarketRules, PiecePriceFromItsBox) {
  EXPECT_EQ(ReadPiecePrice(""), 0u);
  EXPECT_EQ(ReadPiecePrice("0"), 0u);
  EXPECT_EQ(ReadPiecePrice("007"), 7u);
  EXPECT_EQ(ReadPiecePrice("4294967295"), 4294967295u);
  EXPECT_EQ(ReadPiecePrice("4294967296"), 4294967295u);
  EXPECT_EQ(ReadPiecePrice("99999999999999999999999"), 4294967295u);  // no wrap-around
}

TEST(MarketItems, AttributeThirtyThreeGivesCategoryTradeIdAndName) {
  using namespace sim::appearance_file;
  AppearanceFileWriter writer;
  writer.Set(Category::Item, 100, {{Market(20, 3264, 7, "Sword", 1, 2)}});
  writer.Set(Category::Item, 101, {{Flag(5)}});                          // no market attribute
  writer.Set(Category::Item, 102, {{Market(0, 3000, 0, "Unlisted", 0, 0)}});  // no category
  writer.Set(Category::Item, 103, {{Market(17, 0, 0, "Axe", 0, 0)}});
  writer.Set(Category::Outfit, 5, {{Market(1, 1, 0, "Not an item", 0, 0)}});
  appearance::AppearanceStore store;
  ASSERT_TRUE(ParseBytes(writer.Bytes(), store));

  const std::vector<MarketItem> items = CollectMarketItems(store);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].objectId, 100);
  EXPECT_EQ(items[0].category, 20);
  EXPECT_EQ(items[0].tradeId, 3264);
  EXPECT_EQ(items[0].name, "Sword");
  EXPECT_EQ(items[1].objectId, 103);
  EXPECT_EQ(items[1].tradeId, 0);
}

TEST(MarketItems, CategoriesAndSearch) {
  // Row 23 ("Weapons: All") takes 16 to 21; the rest their own number.
  struct Row {
    int32_t row;
    uint16_t category;
    bool shown;
  };
  const Row rows[] = {
      {0, 1, true},    {0, 2, false},  {4, 24, true},  {14, 23, true},  {16, 15, true},
      {17, 16, true},  {22, 21, true}, {22, 20, false}, {23, 15, false}, {23, 16, true},
      {23, 18, true},  {23, 21, true}, {23, 22, false}, {24, 1, false},  {-1, 1, false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(CategoryShows(r.row, r.category), r.shown) << r.row << " " << r.category;
  }
  EXPECT_STREQ(kCategories[23].text, "Weapons: All");
  EXPECT_STREQ(kCategories[14].text, "Ardun Coins");

  const std::vector<MarketItem> items = {
      {100, 20, 1, "Sword"}, {101, 17, 2, "Axe"}, {102, 1, 3, "Sword Armor"}, {103, 20, 4, "Club"}};
  EXPECT_EQ(ListedItems(items, 21, ""), (std::vector<size_t>{0, 3}));
  EXPECT_EQ(ListedItems(items, 23, ""), (std::vector<size_t>{0, 1, 3}));
  // A search looks through every category, in any letter case.
  EXPECT_EQ(ListedItems(items, 17, "sWORD"), (std::vector<size_t>{0, 2}));
  EXPECT_EQ(ListedItems(items, 17, "armor "), (std::vector<size_t>{}));
  EXPECT_TRUE(SearchShows("", "Anything"));
}

}  // namespace
}  // namespace market
