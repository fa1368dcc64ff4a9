// The lines a server dialog shows its message in, and the width they take.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace server_dialogs {

struct MessageText {
  std::vector<std::string> lines;
  // The text column the lines need: the widest line, and the whole wrap
  // width (600) as soon as a line had to wrap, but never more than the
  // screen's room.
  int32_t width = 0;
};

// The message split at "\n", each part wrapped at blanks into lines of at
// most 600 pixels in font 1; a word wider than that stands on a line of its
// own. Only a line wider than `maxWidth` (the screen's room) is broken
// further, between characters where it has no blank, so every character of
// the message is shown.
MessageText LayOutMessage(const std::string& message, int32_t maxWidth);

}  // namespace server_dialogs
