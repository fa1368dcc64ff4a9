#include "features/prey/requests.h"

#include "host/host_functions.h"

namespace prey {
namespace {

void SlotAction(uint8_t slot, uint8_t action, uint8_t index) {
  HostPacketBegin(0xEB);
  HostPacketAddU8(slot);
  HostPacketAddU8(action);
  HostPacketAddU8(index);
  HostPacketSend(1);
}

}  // namespace

void RequestPreyData() {
  HostPacketBegin(0xED);
  HostPacketSend(1);
}

void RequestListReroll(uint8_t slot) { SlotAction(slot, 0, 0); }
void RequestBonusReroll(uint8_t slot) { SlotAction(slot, 1, 0); }
void RequestChooseCreature(uint8_t slot, uint8_t index) { SlotAction(slot, 2, index); }

}  // namespace prey
