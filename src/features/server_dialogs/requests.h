// The client request of the server dialogs.
#pragma once

#include <cstdint>

namespace server_dialogs {

// 249: the dialog's window id, the pressed button's id and the selected
// choice's id (255 with none).
void RequestAnswer(uint32_t windowId, uint8_t buttonId, uint8_t choiceId);

}  // namespace server_dialogs
