// The "Cyclopedia" window: building it, its four tab pages, its buttons and
// its place as the current dialog; the refresh points the messages call.
#pragma once

#include <cstdint>

class GUI_Dialog;

namespace cyclopedia {

// The window while it exists; null once destroyed.
extern GUI_Dialog* CyclopediaDialog;

// Command 1017: the cyclopedia on its Bestiary page (request 225).
void OpenCyclopedia();
// Leaving the game, Close and Escape: the window goes.
void CloseCyclopedia();

// After a message replaced a table.
void OnClassesReplaced();
void OnCreaturesReplaced();
void OnDetailsReceived(uint16_t raceId);
void OnCharmsReplaced();
void OnBosstiaryReplaced();
void OnBossSlotsReplaced();
// The tracker rows changed: the "Track Kills" box follows them.
void OnTrackedCreaturesChanged();

// Whether the details of exactly this creature are on screen.
bool DetailsOnScreen(uint16_t raceId);
// Pages back (-1) or forward (+1) through the cards of the Bestiary page.
void TurnBestiaryPage(int32_t delta);
// A tracker row asks for its creature's details: they are shown in the
// cyclopedia when they come, which opens for them unless another window is
// the current dialog.
void AwaitDetails(uint16_t raceId);

// The handler of every cyclopedia control.
void OnCyclopediaCode(int32_t code, int32_t value);

}  // namespace cyclopedia
