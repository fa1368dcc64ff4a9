// The preset operations behind the window: loading the list and a preset,
// applying the edited slots to the files and the host, and adding, copying,
// renaming and removing named presets in Hotkeys.cfg.
#pragma once

#include <string>
#include <vector>

#include "features/hotkeys/slots.h"

namespace hotkeys {

// "Default" and the section names of Hotkeys.cfg (creating the file when
// it is missing); only "Default" when the file cannot be had.
std::vector<std::string> LoadPresetNames();
// The auto-switch flag of Hotkeys.cfg.
bool LoadAutoSwitchFlag();
// The slots of the preset: the host's file for "Default" (index 0), the
// section of that exact name otherwise. Empty slots when it cannot be read.
HotkeySlots LoadPreset(int index, const std::string& name);

// Steps 2, 3 and 5 of applying: the preset's file (Hotkeys.cfg's section,
// or the host's file for "Default"), the auto-switch line, then the host
// is told its file's name and the tables get the slots.
void ApplyPreset(int index, const std::string& name, const HotkeySlots& slots, bool autoSwitch);

// A new section `name` (a copy of `source`'s hotkey lines when `source` is
// a named preset). False when the name is empty, "Default", already taken
// or the file could not be written.
bool AddPreset(const std::string& name, const std::string* source);
bool RenamePreset(const std::string& from, const std::string& to);
bool RemovePreset(const std::string& name);

// The name the add, copy and rename dialogs take: trimmed of spaces, tabs
// and line ends.
std::string PresetNameFromInput(const std::string& input);

}  // namespace hotkeys
