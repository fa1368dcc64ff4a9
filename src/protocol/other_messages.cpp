// Opcodes 10, 97 and 189: messages the library handles without keeping
// anything.
#include "host/host_functions.h"
#include "protocol/dispatcher_messages.h"

namespace protocol {

void ParseHostNotice() { HostCall(host::addr::kOpcode10Notice, {}); }

void ParseSkippedValues97() {
  for (int i = 0; i < 18; ++i) HostReadU16();
}

void ParseSkippedValues189() {
  const uint32_t count = HostReadU16();
  for (uint32_t i = 0; i < count * 3; ++i) HostReadU32();
}

}  // namespace protocol
