// The host's own configuration file as preset "Default": its hotkey lines
// (no sections) are the preset; every other line belongs to the host and
// keeps its place.
#pragma once

#include <string>

#include "features/hotkeys/presets_file.h"

namespace hotkeys {

// The slots of the file's hotkey lines.
HotkeySlots ReadHostConfigSlots(const Lines& lines);

// The file with its hotkey lines (every line beginning with "Hotkey = ",
// "HotkeyUseOnSelf=", "HotkeyUseOnTarget=" or "HotkeyUseWithCrosshairs=")
// replaced by the slot lines, which go right after the first line that
// begins with "ConfineFramerate", or at the top without one.
Lines RewriteHostConfig(const Lines& lines, const HotkeySlots& slots);

// The file's name as the host is told it: what follows the last "\" or
// "/" of the path, "Ardun.cfg" when that is empty.
std::string ConfigFileName(const std::string& path);

}  // namespace hotkeys
