// The server dialog's window: one at a time, in the modal slot.
#pragma once

#include "features/server_dialogs/server_dialog.h"

class GUI_Dialog;

namespace server_dialogs {

// Builds the dialog for the screen as it is and makes it the current
// window; the library window that was current is closed (a server dialog
// that was set aside under it goes too), unanswered.
void ShowServerDialog(const ServerDialog& dialog);
// Destroys the server dialog, current or set aside, without an answer.
void CloseServerDialog();
bool ServerDialogIsCurrent();

}  // namespace server_dialogs
