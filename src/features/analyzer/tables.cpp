#include "features/analyzer/tables.h"

#include <limits>

namespace analyzer {
namespace {

// Counters of a long session stop at their largest value instead of
// starting again from 0.
template <typename Counter>
void AddSaturating(Counter& counter, uint32_t amount) {
  constexpr uint32_t kMax = std::numeric_limits<Counter>::max();
  counter = static_cast<Counter>(counter > kMax - amount ? kMax : counter + amount);
}

}  // namespace

void CountKill(KillTable& kills, const std::string& name, uint16_t lookType,
               const std::array<uint8_t, 5>& look) {
  auto [it, inserted] = kills.try_emplace(name, KillRow{name, lookType, look, 0});
  AddSaturating(it->second.count, 1);
}

void AddLoot(LootTable& loot, uint16_t itemId, uint16_t itemTag, const std::string& name,
             uint8_t amount) {
  const uint32_t counted = amount == 0 ? 1 : amount;
  auto it = loot.find(itemId);
  if (it == loot.end()) {
    loot.emplace(itemId, LootRow{itemId, itemTag, name, counted, 1});
    return;
  }
  AddSaturating(it->second.total, counted);
  AddSaturating(it->second.drops, 1);
  it->second.itemTag = itemTag;
}

}  // namespace analyzer
