// The cyclopedia's client requests; each is sent at once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cyclopedia {

void RequestBestiaryOverview();                                // 225
void RequestCreaturesOfClass(const std::string& className);   // 226, mode 0
void RequestCreaturesById(const std::vector<uint16_t>& ids);  // 226, mode 1
void RequestCreatureDetails(uint16_t raceId);                  // 227
void RequestCharmAction(uint8_t charmId, uint8_t action, uint16_t raceId);  // 228
void RequestTrackKills(uint16_t raceId, bool tracked);         // 42
void RequestBosstiary();                                       // 175
void RequestBossSlot(uint8_t slot, uint32_t bossId);           // 176

// The actions of request 228.
inline constexpr uint8_t kCharmUnlock = 0, kCharmAssign = 1, kCharmRemove = 2;

}  // namespace cyclopedia
