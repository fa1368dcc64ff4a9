#include "features/analyzer/tables.h"

namespace analyzer {

void CountKill(KillTable& kills, const std::string& name, uint16_t lookType,
               const std::array<uint8_t, 5>& look) {
  auto [it, inserted] = kills.try_emplace(name, KillRow{name, lookType, look, 0});
  it->second.count += 1;
}

void AddLoot(LootTable& loot, uint16_t itemId, uint16_t itemTag, const std::string& name,
             uint8_t amount) {
  const uint32_t counted = amount == 0 ? 1 : amount;
  auto it = loot.find(itemId);
  if (it == loot.end()) {
    loot.emplace(itemId, LootRow{itemId, itemTag, name, counted, 1});
    return;
  }
  it->second.total += counted;
  it->second.drops += 1;
  it->second.itemTag = itemTag;
}

}  // namespace analyzer
