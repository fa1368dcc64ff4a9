#include "features/forge/requests.h"

#include "host/host_functions.h"

namespace forge {

void RequestFusionItems() {
  HostPacketBegin(0xCC);
  HostPacketSend(1);
}

void RequestFusion(const ForgeItem& item) {
  HostPacketBegin(0xCD);
  HostPacketAddU8(2);
  HostPacketAddU16(item.itemId);
  HostPacketAddU8(item.tier);
  HostPacketAddU8(item.classification);
  HostPacketSend(1);
}

void RequestHistoryPage(uint32_t page) {
  HostPacketBegin(0xCF);
  HostPacketAddU32(page);
  HostPacketSend(1);
}

void RequestTransferData() {
  HostPacketBegin(0xD0);
  HostPacketSend(1);
}

void RequestTransfer(const ForgeItem& source, const ForgeItem& target) {
  HostPacketBegin(0xD1);
  HostPacketAddU16(source.itemId);
  HostPacketAddU16(target.itemId);
  HostPacketAddU8(source.tier);
  HostPacketAddU8(target.classification);
  HostPacketSend(1);
}

}  // namespace forge
