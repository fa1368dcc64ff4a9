// Server dialogs with choices: the server asks the player a question in a
// window of its making (opcode 250: a title, a message, buttons and
// optionally a list of choices); the library shows it as the current
// window and answers with request 249 which button was pressed and which
// choice was selected.
#pragma once

namespace server_dialogs {

void ParseServerDialog();  // 250

// Registers opcode 250 and the per-game reset. Called once at attach.
void Install();

}  // namespace server_dialogs
