#include "features/market/items.h"

#include <unordered_map>
#include <utility>

#include "gui/text_case.h"
#include "host/appearance/appearance_store.h"

namespace market {
namespace {

// Attribute 33's values, in file order around the name.
constexpr int kCategoryValue = 0;
constexpr int kTradeIdValue = 1;

struct ItemTable {
  std::vector<MarketItem> items;
  std::unordered_map<uint16_t, size_t> byTradeId;
};

ItemTable& Table() {
  static ItemTable table;
  return table;
}

}  // namespace

std::vector<MarketItem> CollectMarketItems(const appearance::AppearanceStore& store) {
  std::vector<MarketItem> items;
  const uint32_t count = store.RecordCount(appearance::Category::Item);
  for (uint32_t id = 0; id < count && id <= 0xFFFF; ++id) {
    const appearance::Record* record =
        store.Find(appearance::Category::Item, static_cast<uint16_t>(id));
    const appearance::MarketEntry* entry = record != nullptr ? store.Market(*record) : nullptr;
    if (entry == nullptr || entry->values[kCategoryValue] == 0) continue;
    MarketItem item;
    item.objectId = static_cast<uint16_t>(id);
    item.category = entry->values[kCategoryValue];
    item.tradeId = entry->values[kTradeIdValue];
    item.name = std::string(store.Name(*record));
    items.push_back(std::move(item));
  }
  return items;
}

const std::vector<MarketItem>& MarketItems() { return Table().items; }

void SetMarketItems(std::vector<MarketItem> items) {
  ItemTable& table = Table();
  table.items = std::move(items);
  table.byTradeId.clear();
  for (size_t i = 0; i < table.items.size(); ++i) {
    table.byTradeId.emplace(table.items[i].tradeId, i);  // the first keeps its place
  }
}

void CollectItems() { SetMarketItems(CollectMarketItems(appearance::Store())); }

const MarketItem* ItemByTradeId(uint16_t tradeId) {
  const ItemTable& table = Table();
  const auto found = table.byTradeId.find(tradeId);
  return found == table.byTradeId.end() ? nullptr : &table.items[found->second];
}

bool CategoryShows(int32_t row, uint16_t itemCategory) {
  if (row < 0 || static_cast<size_t>(row) >= kCategories.size()) return false;
  const uint16_t category = kCategories[static_cast<size_t>(row)].category;
  if (category == kAllWeapons) return itemCategory >= kFirstWeapon && itemCategory <= kLastWeapon;
  return itemCategory == category;
}

bool SearchShows(const std::string& search, const std::string& name) {
  if (search.empty()) return true;
  return gui::LowerCase(name).find(gui::LowerCase(search)) != std::string::npos;
}

std::vector<size_t> ListedItems(const std::vector<MarketItem>& items, int32_t row,
                                const std::string& search) {
  std::vector<size_t> listed;
  for (size_t i = 0; i < items.size(); ++i) {
    const bool shown = search.empty() ? CategoryShows(row, items[i].category)
                                      : SearchShows(search, items[i].name);
    if (shown) listed.push_back(i);
  }
  return listed;
}

}  // namespace market
