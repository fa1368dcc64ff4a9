// The preset that switches in at login: the section whose name matches the
// character's (trimmed, without regard to case), when auto-switch is on.
#pragma once

#include <string>

namespace hotkeys {

// Opcode 159's hook: remembers the name and switches. An empty (trimmed)
// name does nothing.
void OnCharacterName(const std::string& name);

// The preset list index (1 = the first section) that auto-switch activated
// last, or -1.
int ActivatedPreset();
void ForgetActivatedPresetForTests();

}  // namespace hotkeys
