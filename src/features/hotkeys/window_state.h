// What the "Hotkey Options" window holds while it exists: the preset list,
// the chosen preset's 36 slots, the selected row and the changed flag. One
// instance for the process; the window's destruction forgets it.
#pragma once

#include <string>
#include <vector>

#include "features/hotkeys/slots.h"

class GUI_Dialog;

namespace hotkeys {

inline constexpr const char* kDefaultPreset = "Default";

struct HotkeyWindowState {
  GUI_Dialog* dialog = nullptr;        // null = closed
  std::vector<std::string> presets;    // entry 0 is "Default"
  int preset = 0;                      // index into presets
  HotkeySlots slots;
  int selectedRow = -1;
  bool changed = false;
  bool autoSwitch = false;

  bool NamedPresetSelected() const { return preset > 0 && preset < static_cast<int>(presets.size()); }
  const std::string& PresetName() const { return presets[static_cast<size_t>(preset)]; }
};

HotkeyWindowState& Window();

// The key name of the row selected when the window was last open, matched
// again at the next opening ("" = none).
std::string& RememberedRowKey();

}  // namespace hotkeys
