#include "features/cyclopedia/state.h"

#include <algorithm>

namespace cyclopedia {

Tables& Data() {
  static Tables tables;
  return tables;
}

ViewState& View() {
  static ViewState view;
  return view;
}

std::optional<CreatureLook> KnownCreature(uint16_t raceId) {
  const Tables& data = Data();
  if (auto it = data.details.find(raceId); it != data.details.end() && !it->second.name.empty()) {
    return CreatureLook{it->second.name, it->second.outfit};
  }
  for (const auto* list : {&data.creatures, &data.searchResults}) {
    for (const CreatureEntry& entry : *list) {
      if (entry.raceId == raceId) return CreatureLook{entry.name, entry.outfit};
    }
  }
  return std::nullopt;
}

std::string BossName(uint32_t bossId) {
  for (const Boss& boss : Data().bosses) {
    if (boss.bossId == bossId) return boss.name;
  }
  return "";
}

bool IsTracked(uint16_t raceId) {
  const auto& rows = Data().bestiaryTracker;
  return std::any_of(rows.begin(), rows.end(),
                     [raceId](const TrackerRow& row) { return row.raceId == raceId; });
}

void ResetAll() {
  Data() = Tables{};
  View() = ViewState{};
}

}  // namespace cyclopedia
