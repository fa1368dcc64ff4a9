// The market's browsable items and its categories. The items are every
// item record of the appearance store with a market category, in record
// order; attribute 33 gives each its market category (its first value), its
// trade id (its second value, the id the server knows the item by) and its
// market name.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace appearance {
class AppearanceStore;
}

namespace market {

struct MarketItem {
  uint16_t objectId = 0;  // the appearance record: its picture and flags
  uint16_t category = 0;
  uint16_t tradeId = 0;
  std::string name;
};

// The market items of `store`.
std::vector<MarketItem> CollectMarketItems(const appearance::AppearanceStore& store);

// The items the market window lists from: collected from the library's
// appearance store when the market opens (CollectItems), so a data file
// loaded meanwhile is seen.
const std::vector<MarketItem>& MarketItems();
void CollectItems();
void SetMarketItems(std::vector<MarketItem> items);
// The first market item with that trade id, or null.
const MarketItem* ItemByTradeId(uint16_t tradeId);

struct MarketCategory {
  const char* text;
  uint16_t category;  // matched against an item's category; see kAllWeapons
};
// "Weapons: All" matches the weapon categories 16 to 21.
inline constexpr uint16_t kAllWeapons = 0xFFFF;
inline constexpr uint16_t kFirstWeapon = 16, kLastWeapon = 21;

inline constexpr std::array<MarketCategory, 24> kCategories = {{
    {"Armors", 1},
    {"Amulets", 2},
    {"Boots", 3},
    {"Containers", 4},
    {"Creature Products", 24},
    {"Decoration", 5},
    {"Food", 6},
    {"Helmets and Hats", 7},
    {"Legs", 8},
    {"Others", 9},
    {"Potions", 10},
    {"Rings", 11},
    {"Runes", 12},
    {"Shields", 13},
    {"Ardun Coins", 23},
    {"Tools", 14},
    {"Valuables", 15},
    {"Weapons: Ammo", 16},
    {"Weapons: Axes", 17},
    {"Weapons: Clubs", 18},
    {"Weapons: Distance", 19},
    {"Weapons: Swords", 20},
    {"Weapons: Wands", 21},
    {"Weapons: All", kAllWeapons},
}};

// Whether an item of `itemCategory` is listed under category row `row`
// (false for a row outside the table).
bool CategoryShows(int32_t row, uint16_t itemCategory);

// Whether `name` contains `search`, in any letter case. An empty search
// shows everything.
bool SearchShows(const std::string& search, const std::string& name);

// Indices into `items` of those `row` lists, or, with a non-empty search,
// of those whose names match it (in every category), in item order.
std::vector<size_t> ListedItems(const std::vector<MarketItem>& items, int32_t row,
                                const std::string& search);

}  // namespace market
