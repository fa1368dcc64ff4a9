#include "protocol/store_request.h"

#include "host/host_functions.h"

namespace protocol {

void RequestStoreOpen() {
  HostPacketBegin(0xFA);
  HostPacketAddU8(0);
  HostPacketSend(1);
}

}  // namespace protocol
