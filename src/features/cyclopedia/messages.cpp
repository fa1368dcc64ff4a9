// The cyclopedia's server messages. Each record is built aside and stored
// only once the whole message was read, so a message cut short changes
// nothing.
#include <algorithm>
#include <utility>
#include <vector>

#include "features/cyclopedia/cyclopedia.h"
#include "features/cyclopedia/requests.h"
#include "features/cyclopedia/rules.h"
#include "features/cyclopedia/state.h"
#include "features/cyclopedia/tracker.h"
#include "features/cyclopedia/window.h"
#include "host/host_functions.h"
#include "protocol/handler_guard.h"
#include "protocol/message_reader.h"
#include "protocol/outfit_field.h"

namespace cyclopedia {
namespace {

constexpr uint8_t kBestiaryTrackerKind = 0;

void Skip(int bytes) {
  for (int i = 0; i < bytes; ++i) HostReadU8();
}

CreatureEntry ReadCreatureEntry() {
  CreatureEntry entry;
  entry.raceId = HostReadU16();
  entry.stage = HostReadU8();
  if (entry.stage != 0) entry.occurrence = HostReadU8();
  entry.name = ReadString();
  entry.outfit = ReadOutfit();
  return entry;
}

LootEntry ReadLootEntry() {
  LootEntry loot;
  loot.itemId = HostReadU16();
  loot.rarity = HostReadU8();
  Skip(1);
  if (loot.itemId != 0) {
    loot.name = ReadString();
    loot.amountKind = HostReadU8();
  }
  return loot;
}

void ReadStatistics(CreatureDetails& details) {
  details.statA = HostReadU16();
  Skip(2);
  details.statB = HostReadU32();
  details.statC = HostReadU32();
  details.statD = HostReadU16();
  details.statE = HostReadU16();
  Skip(1);
  HostReadU32();
}

void ReadElementsAndLocations(CreatureDetails& details) {
  const uint8_t count = HostReadU8();
  details.elements.reserve(count);
  for (uint8_t i = 0; i < count; ++i) {
    ElementValue value;
    value.element = HostReadU8();
    value.value = HostReadU16();
    details.elements.push_back(value);
  }
  HostReadU16();
  details.locations = ReadString();
}

void ReadCharmOnCreature(CreatureDetails& details) {
  details.charm.flag = HostReadU8();
  if (details.charm.flag == 0) {
    HostReadU8();
    return;
  }
  details.charm.charmId = HostReadU8();
  details.charm.value = HostReadU32();
}

Charm ReadCharm() {
  Charm charm;
  charm.id = HostReadU8();
  charm.name = ReadString();
  charm.description = ReadString();
  Skip(1);
  charm.price = HostReadU16();
  charm.unlocked = HostReadU8() == 1;
  if (charm.unlocked) {
    charm.assigned = HostReadU8() == 1;
    if (charm.assigned) {
      charm.raceId = HostReadU16();
      charm.removeCost = HostReadU32();
    }
  } else {
    Skip(1);
  }
  return charm;
}

BossSlotDetail ReadSlotDetail() {
  BossSlotDetail detail;
  detail.category = HostReadU8();
  detail.kills = HostReadU32();
  detail.lootBonus = HostReadU16();
  detail.killBonus = HostReadU8();
  Skip(1);
  detail.removePrice = HostReadU32();
  detail.inactive = HostReadU8();
  return detail;
}

BossSlot ReadBossSlot() {
  BossSlot slot;
  slot.unlocked = HostReadU8() != 0;
  slot.bossId = HostReadU32();
  if (slot.unlocked && slot.bossId != 0) {
    slot.hasDetail = true;
    slot.detail = ReadSlotDetail();
  }
  return slot;
}

}  // namespace

void ParseBestiaryOverview() {
  protocol::RunQuietly([] {
    const uint16_t count = HostReadU16();
    std::vector<BestiaryClass> classes;
    classes.reserve(count);
    for (uint16_t i = 0; i < count; ++i) {
      BestiaryClass entry;
      entry.index = static_cast<uint8_t>(i);
      entry.name = ReadString();
      entry.total = HostReadU16();
      entry.known = HostReadU16();
      classes.push_back(std::move(entry));
    }
    Data().classes = std::move(classes);
    OnClassesReplaced();
  });
}

void ParseBestiaryCreatureList() {
  protocol::RunQuietly([] {
    std::string className = ReadString();
    const uint16_t count = HostReadU16();
    std::vector<CreatureEntry> entries;
    entries.reserve(count);
    for (uint16_t i = 0; i < count; ++i) entries.push_back(ReadCreatureEntry());

    Tables& data = Data();
    ViewState& view = View();
    if (view.searchText.empty()) {
      data.creatures = std::move(entries);
      view.listClass = std::move(className);
    } else {
      for (CreatureEntry& entry : entries) {
        if (!MatchesSearch(entry.stage, entry.name, view.searchText)) continue;
        auto same = std::find_if(data.searchResults.begin(), data.searchResults.end(),
                                 [&](const CreatureEntry& e) { return e.raceId == entry.raceId; });
        if (same != data.searchResults.end()) {
          *same = std::move(entry);
        } else {
          data.searchResults.push_back(std::move(entry));
        }
      }
    }
    OnCreaturesReplaced();
  });
}

void ParseBestiaryDetails() {
  protocol::RunQuietly([] {
    CreatureDetails details;
    details.raceId = HostReadU16();
    details.className = ReadString();
    details.stage = HostReadU8();
    details.kills = HostReadU32();
    for (uint16_t& threshold : details.thresholds) threshold = HostReadU16();
    details.rating = HostReadU8();
    details.occurrence = HostReadU8();
    const uint8_t lootCount = HostReadU8();
    details.loot.reserve(lootCount);
    for (uint8_t i = 0; i < lootCount; ++i) details.loot.push_back(ReadLootEntry());
    if (details.stage > 1) ReadStatistics(details);
    if (details.stage > 2) ReadElementsAndLocations(details);
    if (details.stage > 3) ReadCharmOnCreature(details);
    details.name = ReadString();
    details.outfit = ReadOutfit();

    const uint16_t raceId = details.raceId;
    Data().details[raceId] = std::move(details);
    OnDetailsReceived(raceId);
    OnTrackerReplaced();
    OnCharmsReplaced();
  });
}

void ParseCharms() {
  protocol::RunQuietly([] {
    CharmTable table;
    table.points = HostReadU32();
    const uint8_t count = HostReadU8();
    table.charms.reserve(count);
    for (uint8_t i = 0; i < count; ++i) table.charms.push_back(ReadCharm());
    table.value = HostReadU8();
    const uint16_t assignable = HostReadU16();
    table.assignable.reserve(assignable);
    for (uint16_t i = 0; i < assignable; ++i) table.assignable.push_back(HostReadU16());
    Data().charms = std::move(table);
    OnCharmsReplaced();
  });
}

void ParseBestiaryChanged() {
  protocol::RunQuietly([] {
    const uint16_t raceId = HostReadU16();
    if (DetailsOnScreen(raceId)) RequestCreatureDetails(raceId);
  });
}

void ParseTrackerList() {
  protocol::RunQuietly([] {
    const uint8_t kind = HostReadU8();
    const uint8_t count = HostReadU8();
    std::vector<TrackerRow> rows;
    rows.reserve(count);
    for (uint8_t i = 0; i < count; ++i) {
      TrackerRow row;
      row.raceId = HostReadU16();
      row.kills = HostReadU32();
      for (uint16_t& threshold : row.thresholds) threshold = HostReadU16();
      row.completed = HostReadU8();
      rows.push_back(row);
    }
    if (kind != kBestiaryTrackerKind) {
      Data().bossTracker = std::move(rows);
      OnBosstiaryReplaced();
      return;
    }
    Data().bestiaryTracker = std::move(rows);
    for (const TrackerRow& row : Data().bestiaryTracker) {
      if (KnownCreature(row.raceId)) continue;
      if (!Data().trackerAsked.insert(row.raceId).second) continue;
      RequestCreatureDetails(row.raceId);
    }
    OnTrackerReplaced();
  });
}

void ParseBosstiaryList() {
  protocol::RunQuietly([] {
    const uint16_t count = HostReadU16();
    std::vector<Boss> bosses;
    bosses.reserve(count);
    for (uint16_t i = 0; i < count; ++i) {
      Boss boss;
      boss.bossId = HostReadU32();
      boss.category = HostReadU8();
      boss.kills = HostReadU32();
      Skip(1);
      boss.tracked = HostReadU8() == 1;
      boss.name = ReadString();
      boss.outfit = ReadOutfit();
      bosses.push_back(std::move(boss));
    }
    Data().bosses = std::move(bosses);
    OnBosstiaryReplaced();
  });
}

void ParseBossSlots() {
  protocol::RunQuietly([] {
    BossSlots slots;
    slots.received = true;
    slots.points = HostReadU32();
    slots.nextUnlockPoints = HostReadU32();
    slots.lootBonus = HostReadU16();
    slots.nextLootBonus = HostReadU16();
    for (BossSlot& slot : slots.slots) slot = ReadBossSlot();
    slots.boosted = ReadBossSlot();
    if (HostReadU8() != 0) {
      const uint16_t count = HostReadU16();
      slots.selectable.reserve(count);
      for (uint16_t i = 0; i < count; ++i) {
        slots.selectable.push_back(HostReadU32());
        Skip(1);
      }
    }
    Data().bossSlots = std::move(slots);
    OnBossSlotsReplaced();
  });
}

void ParseBosstiaryRefresh() {
  protocol::RunQuietly([] {
    HostReadU32();
    OnBosstiaryReplaced();
    RequestBosstiary();
  });
}

}  // namespace cyclopedia
