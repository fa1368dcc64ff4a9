// The side-panel commands that belong to no feature window: the store and
// its inbox, minimising, chat mode, the shortcut bar and the host's own
// windows.
#pragma once

namespace enhancements {

// Whether the host's shortcut bar is shown (command 1010 toggles it).
extern bool ShortcutsShown;

// Registers commands 1000 to 1003 and 1007 to 1012. Called once at attach.
void InstallPanelCommands();

}  // namespace enhancements
