// What one fetch of the status document yields for the login screen's
// three information panels.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace news {

// A boosted creature, boss, loot boost or respawn boost. Only the creature
// and the boss carry an outfit; type 0 means none.
struct BoostedRecord {
  int32_t type = 0;
  uint8_t head = 0, body = 0, legs = 0, feet = 0;  // outfit palette numbers
  uint8_t addons = 0;
  std::string name;
  int32_t percent = 0;

  bool HasOutfit() const { return type > 0; }
};

enum BoostedSlot : size_t { kCreature = 0, kBoss = 1, kLoot = 2, kRespawn = 3 };
using BoostedRecords = std::array<BoostedRecord, 4>;

struct EventRecord {
  std::string name;
  std::string description;
  std::string colour;  // "green" running, "yellow" coming
  int32_t start = 0;   // seconds, as in the document
  int32_t end = 0;
};

struct EventSchedule {
  std::vector<EventRecord> running;
  std::vector<EventRecord> coming;
};

struct StatusNews {
  std::string text;
  BoostedRecords boosted;
  EventSchedule events;
};

}  // namespace news
