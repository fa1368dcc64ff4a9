#include "features/server_dialogs/message_text.h"

#include <algorithm>
#include <utility>

#include "features/server_dialogs/layout.h"
#include "gui/draw.h"
#include "gui/text_fit.h"

namespace server_dialogs {

MessageText LayOutMessage(const std::string& message, int32_t maxWidth) {
  MessageText text;
  size_t start = 0;
  for (;;) {
    const size_t end = message.find('\n', start);
    const std::string part = message.substr(start, end == std::string::npos ? end : end - start);
    std::vector<std::string> wrapped = gui::WrapAtBlanks(kTextFont, part, kWrapWidth);
    if (wrapped.size() > 1) text.width = std::max(text.width, kWrapWidth);
    for (std::string& line : wrapped) {
      const int32_t width = gui::TextWidth(kTextFont, line);
      text.width = std::max(text.width, width);
      if (width <= maxWidth) {
        text.lines.push_back(std::move(line));
        continue;
      }
      for (std::string& piece : gui::WrapText(kTextFont, line, maxWidth)) {
        text.lines.push_back(std::move(piece));
      }
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  text.width = std::min(text.width, maxWidth);
  return text;
}

}  // namespace server_dialogs
