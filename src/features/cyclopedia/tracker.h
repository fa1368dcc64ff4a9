// The "Bestiary Tracker": a docked singleton window listing the creatures
// the player tracks, resizable between 60 and 400 pixels high.
#pragma once

class GUI_Window;

namespace cyclopedia {

// The tracker while it exists (shown or hidden); null while closed.
extern GUI_Window* TrackerWindow;

// Command 1018 and the cyclopedia's tracker button: builds the tracker
// (request 225 while it has no rows) or shows it again.
void OpenTracker();
// Its close button and leaving the game.
void CloseTracker();
// After message 185 or 215 changed its rows or their names.
void OnTrackerReplaced();
// Registers the window with the window sets. Called once at attach.
void InstallTracker();

}  // namespace cyclopedia
