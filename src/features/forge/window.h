// The "Exaltation Forge" window: building it, its three pages, its buttons,
// and its place in the modal slot beside the result dialog and the store.
#pragma once

#include <cstdint>
#include <string>

class GUI_Dialog;

namespace forge {

// The window while it exists, current or set aside; null once destroyed.
extern GUI_Dialog* ForgeDialog;

// Message 206: the forge on its Fusion page, asking for the items.
void OpenFromServer();
// Command 1013: the forge away from the forge, on its Transfer page.
void OpenFromCommand();
// A fusion or transfer result over the forge, which comes back with "Ok".
void ShowResult(uint32_t kind, const std::string& message);

// After messages 204, 208 and 207 replaced what the window shows.
void OnFusionItemsReplaced();
void OnTransferDataReplaced();
void OnHistoryReplaced();

// Leaving the game: no forge of this character is left anywhere.
void DestroyEverywhere();

// The handler of every forge control.
void OnForgeCode(int32_t code, int32_t value);

}  // namespace forge
