// The "Server Status" window: the status bar across the top of the screen.
#pragma once

#include <cstdint>

class GUI_Dialog;

namespace web {

inline constexpr int32_t kStatusBarId = 601;

// Creates the window once, in the login screen's window list; later calls
// return the same window.
GUI_Dialog* CreateServerStatusWindow();

}  // namespace web
