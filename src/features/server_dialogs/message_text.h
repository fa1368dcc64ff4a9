// The lines a server dialog shows its message in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace server_dialogs {

// The message split at "\n", each part wrapped at blanks into lines of at
// most 600 pixels in font 1; a word wider than that stands on a line of its
// own. Only a line wider than `maxWidth` (the screen's room) is broken
// further, between characters where it has no blank, so every character of
// the message is shown.
std::vector<std::string> MessageLines(const std::string& message, int32_t maxWidth);

}  // namespace server_dialogs
