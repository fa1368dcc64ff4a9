// The "Prey System" window: three slot groups, the description area, the
// balances, and its place in the modal slot beside the "Information" dialog.
#pragma once

#include <cstddef>
#include <string>

class GUI_Dialog;

namespace prey {

// The window while it exists, current or set aside; null once destroyed.
extern GUI_Dialog* PreyDialog;

// Command 1005, Ctrl+Y and a click in the tracker: any prey window is
// destroyed, request 237 is sent and a fresh window becomes current.
void OpenPreyWindow();
bool PreyWindowIsCurrent();

// After message 232 replaced slot `index` (index < 3).
void OnSlotReplaced(size_t index);
// After any resource was stored: the balance labels.
void OnResourcesChanged();

// A refusal ("Not enough gold to reroll.") in the "Information" dialog, the
// prey window set aside until "Ok".
void ShowInformation(const std::string& message);

// Leaving the game: no prey window or prey dialog is left anywhere.
void DestroyEverywhere();

}  // namespace prey
