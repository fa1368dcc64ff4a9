#include "features/server_dialogs/requests.h"

#include "host/host_functions.h"

namespace server_dialogs {
namespace {

constexpr uint8_t kAnswerOpcode = 0xF9;

}  // namespace

void RequestAnswer(uint32_t windowId, uint8_t buttonId, uint8_t choiceId) {
  HostPacketBegin(kAnswerOpcode);
  HostPacketAddU32(windowId);
  HostPacketAddU8(buttonId);
  HostPacketAddU8(choiceId);
  HostPacketSend(1);
}

}  // namespace server_dialogs
