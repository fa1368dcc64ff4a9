// Building the analyzer's four windows and answering their handler codes.
#pragma once

#include <cstdint>

class GUI_Window;

namespace analyzer {

GUI_Window* BuildSelector();
GUI_Window* BuildExpTracker();
GUI_Window* BuildDropTracker();
GUI_Window* BuildKillTracker();

// The handlers of the windows (buttons queue their codes; the windows call
// their close, minimise and resize codes at once).
void OnSelectorCode(int32_t code, int32_t value);
void OnExpTrackerCode(int32_t code, int32_t value);
void OnDropTrackerCode(int32_t code, int32_t value);
void OnKillTrackerCode(int32_t code, int32_t value);

// Destroys the window behind `slot` at the next frame, so a window is never
// destroyed while one of its own operations is running.
void CloseLater(GUI_Window** slot);
// Destroys it now.
void Close(GUI_Window** slot);

}  // namespace analyzer
