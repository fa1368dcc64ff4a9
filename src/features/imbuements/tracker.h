// The imbuement tracker "Imbuements": a singleton side window listing the
// equipped items' running imbuements as 34 x 34 cells with their time left.
#pragma once

class GUI_Window;

namespace imbuements {

// The tracker while it exists; null while closed.
extern GUI_Window* TrackerWindow;

// Command 1015: opens the tracker (marking it shown and sending request 96
// with 1), or closes it when it is open (no request).
void ToggleTracker();
// After message 93 replaced TrackerItems(): the list is rebuilt if shown.
void OnTrackerItemsReplaced();
// Leaving the game: the tracker is closed and its items dropped.
void ResetTracker();
// Registers the window with the window sets. Called once at attach.
void InstallTracker();

}  // namespace imbuements
