// What the kill reports collected: loot by item id and kills by creature.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace analyzer {

struct LootRow {
  uint16_t itemId = 0;
  uint16_t itemTag = 0;  // the latest value sent with the item
  std::string name;      // as first sent
  uint32_t total = 0;
  uint16_t drops = 0;
};

struct KillRow {
  std::string name;
  uint16_t lookType = 0;  // from the first report
  std::array<uint8_t, 5> look{};
  uint32_t count = 0;
};

using LootTable = std::map<uint16_t, LootRow>;
using KillTable = std::map<std::string, KillRow>;  // byte-wise name order

// One kill; a known creature keeps the appearance of its first report.
void CountKill(KillTable& kills, const std::string& name, uint16_t lookType,
               const std::array<uint8_t, 5>& look);
// One loot entry of a report; an amount of 0 counts as 1.
void AddLoot(LootTable& loot, uint16_t itemId, uint16_t itemTag, const std::string& name,
             uint8_t amount);

}  // namespace analyzer
