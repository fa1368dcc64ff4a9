// Hotkey presets: named sets of the host's 36 function-key hotkeys kept in
// Hotkeys.cfg, the host's own configuration file as preset "Default", the
// "Hotkey Options" window (Ctrl+K, panel command 1014) and the switch to
// the character's preset at login (opcode 159).
#pragma once

namespace hotkeys {

// Registers the shortcut, the panel command, the name hook, the pick's
// input points and the screen-switch cleanup. Called once at attach.
void Install();

}  // namespace hotkeys
