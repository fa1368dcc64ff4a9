// The small dialogs over the "Hotkey Options" window: a name for a new or
// copied preset, a new name for one, and the question before one is
// removed. Each sets the window aside while it is open and brings it back
// when it closes.
#pragma once

#include <string>

namespace hotkeys {

void OpenAddDialog();
void OpenCopyDialog();  // copies the preset selected in the window
void OpenRenameDialog(const std::string& name);
void OpenRemoveDialog(const std::string& name);

}  // namespace hotkeys
