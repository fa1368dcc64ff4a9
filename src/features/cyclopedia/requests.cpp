#include "features/cyclopedia/requests.h"

#include "host/host_functions.h"

namespace cyclopedia {

void RequestBestiaryOverview() {
  HostPacketBegin(225);
  HostPacketSend(1);
}

void RequestCreaturesOfClass(const std::string& className) {
  HostPacketBegin(226);
  HostPacketAddU8(0);
  HostPacketAddString(className.c_str());
  HostPacketSend(1);
}

void RequestCreaturesById(const std::vector<uint16_t>& ids) {
  HostPacketBegin(226);
  HostPacketAddU8(1);
  const size_t count = ids.size() > 0xFFFF ? 0xFFFF : ids.size();
  HostPacketAddU16(static_cast<uint16_t>(count));
  for (size_t i = 0; i < count; ++i) HostPacketAddU16(ids[i]);
  HostPacketSend(1);
}

void RequestCreatureDetails(uint16_t raceId) {
  HostPacketBegin(227);
  HostPacketAddU16(raceId);
  HostPacketSend(1);
}

void RequestCharmAction(uint8_t charmId, uint8_t action, uint16_t raceId) {
  HostPacketBegin(228);
  HostPacketAddU8(charmId);
  HostPacketAddU8(action);
  HostPacketAddU16(raceId);
  HostPacketSend(1);
}

void RequestTrackKills(uint16_t raceId, bool tracked) {
  HostPacketBegin(42);
  HostPacketAddU16(raceId);
  HostPacketAddU8(tracked ? 1 : 0);
  HostPacketSend(1);
}

void RequestBosstiary() {
  HostPacketBegin(175);
  HostPacketSend(1);
}

void RequestBossSlot(uint8_t slot, uint32_t bossId) {
  HostPacketBegin(176);
  HostPacketAddU8(slot);
  HostPacketAddU32(bossId);
  HostPacketSend(1);
}

}  // namespace cyclopedia
