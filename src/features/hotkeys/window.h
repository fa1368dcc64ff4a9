// The "Hotkey Options" window: the preset selector with Add, Copy, Rename
// and Remove, the auto-switch box and its hint, the slot list, the edit
// controls of the selected slot, and Ok, Apply and Cancel. Codes 5000 to
// 5019 reach OnHotkeyCode.
#pragma once

#include <cstdint>
#include <string>

namespace hotkeys {

enum Code : int32_t {
  kPresetChosen = 5000,
  kAddCode = 5001,
  kCopyCode = 5002,
  kRenameCode = 5003,
  kRemoveCode = 5004,
  kAutoSwitchCode = 5005,
  kListScrolled = 5006,
  kEditTextBox = 5007,
  kTextTyped = 5008,
  kSendAutoBox = 5009,
  kEditObjectBox = 5010,
  kSelectObject = 5012,
  kClearObject = 5013,
  kOnYourselfBox = 5014,
  kOnTargetBox = 5015,
  kWithCrosshairBox = 5016,
  kOkCode = 5017,
  kApplyCode = 5018,
  kCancelCode = 5019,
  kRowChosen = 6000,
};

// Ctrl+K and panel command 1014: the window becomes current again, or is
// built.
void OpenHotkeyWindow();
void OnHotkeyCode(int32_t code, int32_t value);

// After a pick took an object: the selected slot and the controls show it.
void OnObjectPicked(uint32_t objectId, uint32_t objectData);
// The controls show the selected row again (after the preset list or the
// slots changed).
void ReloadEditControls();
// The preset list read again; `select` (or "Default" when it is gone) is
// chosen and loaded.
void ReloadPresetList(const std::string& select);
// Closes the window wherever it is (current or set aside).
void DestroyHotkeyWindow();

}  // namespace hotkeys
