// What the library holds of the cyclopedia: the tables the server's
// messages fill (classes, creature lists, creature details, charms, tracker
// rows, bosses, boss slots) and what the cyclopedia window is showing. One
// instance for the process; each message replaces its table.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "gui/outfit_picture.h"

namespace cyclopedia {

struct BestiaryClass {
  uint8_t index = 0;  // position in the message
  std::string name;
  uint16_t total = 0;
  uint16_t known = 0;
};

struct CreatureEntry {
  uint16_t raceId = 0;
  uint8_t stage = 0;  // 0: never killed
  uint8_t occurrence = 0;
  std::string name;
  gui::Outfit outfit;
};

struct LootEntry {
  uint16_t itemId = 0;  // 0: an unknown item, no name or amount kind
  uint8_t rarity = 0;   // 0 common .. 4 very rare
  std::string name;
  uint8_t amountKind = 0;
};

struct ElementValue {
  uint8_t element = 0;
  uint16_t value = 0;
};

struct CharmOnCreature {
  uint8_t flag = 0;
  uint8_t charmId = 0;
  uint32_t value = 0;
};

struct CreatureDetails {
  uint16_t raceId = 0;
  std::string className;
  uint8_t stage = 0;
  uint32_t kills = 0;
  std::array<uint16_t, 3> thresholds{};
  uint8_t rating = 0;
  uint8_t occurrence = 0;
  std::vector<LootEntry> loot;
  // Stage 2 and above: the creature's statistics, in message order.
  uint16_t statA = 0;
  uint32_t statB = 0, statC = 0;
  uint16_t statD = 0, statE = 0;
  // Stage 3 and above.
  std::vector<ElementValue> elements;
  std::string locations;
  // Stage 4 and above.
  CharmOnCreature charm;
  std::string name;
  gui::Outfit outfit;
};

struct Charm {
  uint8_t id = 0;
  std::string name;
  std::string description;
  uint16_t price = 0;
  bool unlocked = false;
  bool assigned = false;
  uint16_t raceId = 0;
  uint32_t removeCost = 0;
};

struct CharmTable {
  uint32_t points = 0;
  std::vector<Charm> charms;
  uint8_t value = 0;  // the byte after the charms, kept as sent
  std::vector<uint16_t> assignable;  // raceIds that can receive a charm
};

struct TrackerRow {
  uint16_t raceId = 0;
  uint32_t kills = 0;
  std::array<uint16_t, 3> thresholds{};
  uint8_t completed = 0;
};

struct Boss {
  uint32_t bossId = 0;
  uint8_t category = 0;  // 0 Bane, 1 Archfoe, 2 Nemesis
  uint32_t kills = 0;
  bool tracked = false;
  std::string name;
  gui::Outfit outfit;
};

// The detail record of a boss in a slot or of the boosted boss, in message
// order.
struct BossSlotDetail {
  uint8_t category = 0;
  uint32_t kills = 0;
  uint16_t lootBonus = 0;
  uint8_t killBonus = 0;
  uint32_t removePrice = 0;
  uint8_t inactive = 0;
};

struct BossSlot {
  bool unlocked = false;
  uint32_t bossId = 0;
  bool hasDetail = false;
  BossSlotDetail detail;
};

struct BossSlots {
  bool received = false;
  uint32_t points = 0;
  uint32_t nextUnlockPoints = 0;
  uint16_t lootBonus = 0;
  uint16_t nextLootBonus = 0;
  std::array<BossSlot, 2> slots;
  BossSlot boosted;  // `unlocked` holds the flag
  std::vector<uint32_t> selectable;
};

enum class Tab : uint8_t { Bestiary = 0, Charms = 1, Bosstiary = 2, BossSlots = 3 };
enum class BestiaryLevel : uint8_t { Classes, Creatures, Details };

// What the window shows and remembers between messages.
struct ViewState {
  Tab tab = Tab::Bestiary;
  BestiaryLevel level = BestiaryLevel::Classes;
  int32_t listPage = 1;            // 1-based page of the cards shown
  std::string searchText;          // lower-cased; empty: no search
  bool searchPending = false;      // the search waits for the class overview
  std::string listClass;           // the class whose creatures are listed
  uint16_t detailsRaceId = 0;      // the details on screen, 0 none
  uint16_t awaitedRaceId = 0;      // details asked for by the player, 0 none
  int32_t selectedCharmId = -1;    // the charm picked on the Charms page, -1 none
  uint16_t chosenCreature = 0;     // the raceId under "Select creature:", 0 none
  std::array<bool, 8> bossFilters{};
  int32_t choosingSlot = -1;  // the boss slot (0 or 1) whose list was clicked last
  int32_t slotChoice = -1;    // index into the selectable bosses
  int32_t charmScroll = 0, creatureScroll = 0, bossScroll = 0;
  std::array<int32_t, 2> slotListScroll{};
};

struct Tables {
  std::vector<BestiaryClass> classes;
  std::vector<CreatureEntry> creatures;
  std::vector<CreatureEntry> searchResults;
  std::map<uint16_t, CreatureDetails> details;
  CharmTable charms;
  std::vector<TrackerRow> bestiaryTracker;
  std::vector<TrackerRow> bossTracker;
  std::vector<Boss> bosses;
  BossSlots bossSlots;
  // Creatures whose details a tracker row asked for: once each, not with
  // every tracker message.
  std::set<uint16_t> trackerAsked;
};

Tables& Data();
ViewState& View();

struct CreatureLook {
  std::string name;
  gui::Outfit outfit;
};
// The name and look of a creature from the details map, else the creature
// lists; nothing when neither knows it.
std::optional<CreatureLook> KnownCreature(uint16_t raceId);
// The name of a boss from the bosstiary list; empty when unknown.
std::string BossName(uint32_t bossId);
bool IsTracked(uint16_t raceId);

// Leaving the game: every table and the view back to their start.
void ResetAll();

}  // namespace cyclopedia
