// Trimming as the hotkey files and dialogs trim: spaces, tabs and line ends.
#pragma once

#include <string_view>

namespace hotkeys {

std::string_view Trim(std::string_view text);

}  // namespace hotkeys
