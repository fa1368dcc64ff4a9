// The "Imbue Item" window: the item, its slots, the category and imbuement
// boxes, the details, the action button, "100%", the gold, and its place in
// the modal slot beside the result dialog.
#pragma once

#include <cstdint>
#include <string>

class GUI_Dialog;

namespace imbuements {

// The window while it exists, current or set aside; null once destroyed.
extern GUI_Dialog* ImbueDialog;

// After message 235 stored a new State(): the window is current afterwards.
// A window that exists (current, or set aside under a result or whatever
// replaced it) is updated in place, keeping its place and the player's
// choice, and a set-aside one replaces the current dialog; else a new one
// is built and opened.
void OpenOrUpdate();
// Message 237: the result dialog over the window; "Ok" brings it back with
// its gold refreshed. 1 "Success!", 2 "Error", 3 "Imbue failed",
// 4 "Clearing Success!", 5 "Clearing Error", other "Information".
void ShowResult(uint8_t kind, const std::string& message);
const char* ResultTitle(uint8_t kind);
// After message 238 changed the gold balance.
void OnGoldChanged();
// Leaving the game: no imbue window or result dialog is left anywhere.
void DestroyEverywhere();

}  // namespace imbuements
