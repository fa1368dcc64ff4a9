// OpcodePump: the host's parsing loop asks it for the next opcode (patch
// entry 148 at 0x45C3A5 replaced the host's own HostNextOpcode call).
#include "host/handlers.h"
#include "host/host_functions.h"
#include "protocol/dispatcher.h"

int32_t OpcodePump() {
  for (;;) {
    const int32_t opcode = HostNextOpcode();
    if (opcode == protocol::kMessageEnd) return opcode;
    // Before the game state reaches 6 the host parses everything itself.
    if (HostGameState() < host::kGameStateServerMessages) return opcode;
    const int32_t result = protocol::Dispatch(opcode);
    if (result != protocol::kConsumed) return result;
  }
}
