#include "features/imbuements/requests.h"

#include "host/host_functions.h"

namespace imbuements {
namespace {

constexpr uint8_t kImbueOpcode = 0xD5;
constexpr uint8_t kClearOpcode = 0xD6;
constexpr uint8_t kCloseOpcode = 0xD7;
constexpr uint8_t kTrackerOpcode = 0x60;

}  // namespace

void RequestImbue(uint8_t slot, uint32_t imbuementId, bool protection) {
  HostPacketBegin(kImbueOpcode);
  HostPacketAddU8(slot);
  HostPacketAddU32(imbuementId);
  HostPacketAddU8(protection ? 1 : 0);
  HostPacketSend(1);
}

void RequestClear(uint8_t slot) {
  HostPacketBegin(kClearOpcode);
  HostPacketAddU8(slot);
  HostPacketSend(1);
}

void RequestCloseWindow() {
  HostPacketBegin(kCloseOpcode);
  HostPacketSend(1);
}

void RequestTrackerData() {
  HostPacketBegin(kTrackerOpcode);
  HostPacketAddU8(1);
  HostPacketSend(1);
}

}  // namespace imbuements
