// The two files of the hotkey presets, under the APPDATA folder:
// "Quorlan\Hotkeys.cfg" (the library's presets) and "Quorlan\Ardun.cfg"
// (the host's own configuration, preset "Default"). Each is read whole and
// written whole through a temporary file; no handle stays open.
#pragma once

#include <string>

#include "features/hotkeys/presets_file.h"

namespace hotkeys {

// "" when APPDATA is not set (every read and write then fails).
std::string PresetsFilePath();
std::string HostConfigPath();

// Hotkeys.cfg, created with the default content when it does not exist.
// False when it exists but cannot be read, or was missing and could not be
// created: an unreadable file is never replaced by the default content.
bool ReadPresetsFile(Lines* lines);
bool WritePresetsFile(const Lines& lines);

// The host's configuration file; false when it cannot be read.
bool ReadHostConfig(Lines* lines);
// Writes it whole, then opens it again, flushes it to disk and waits 50 ms
// so the host reading it next sees every byte.
bool WriteHostConfig(const Lines& lines);

}  // namespace hotkeys
