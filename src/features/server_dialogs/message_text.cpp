#include "features/server_dialogs/message_text.h"

#include <utility>

#include "features/server_dialogs/layout.h"
#include "gui/draw.h"
#include "gui/text_fit.h"

namespace server_dialogs {

std::vector<std::string> MessageLines(const std::string& message, int32_t maxWidth) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    const size_t end = message.find('\n', start);
    const std::string part = message.substr(start, end == std::string::npos ? end : end - start);
    for (std::string& line : gui::WrapAtBlanks(kTextFont, part, kWrapWidth)) {
      if (gui::TextWidth(kTextFont, line) <= maxWidth) {
        lines.push_back(std::move(line));
        continue;
      }
      for (std::string& piece : gui::WrapText(kTextFont, line, maxWidth)) {
        lines.push_back(std::move(piece));
      }
    }
    if (end == std::string::npos) return lines;
    start = end + 1;
  }
}

}  // namespace server_dialogs
