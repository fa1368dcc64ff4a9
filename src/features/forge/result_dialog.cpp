#include "features/forge/result_dialog.h"

#include "features/forge/rules.h"
#include "gui/dialog.h"
#include "gui/draw.h"
#include "gui/message_dialog.h"

namespace {

constexpr int32_t kPlacement = 11;  // centred on the screen, movable
constexpr gui::Color kTextColor{180, 180, 180};

}  // namespace

void GUI_ExaltationMessageLabel::Draw() {
  const forge::ColouredWord word = forge::FindColouredWord(text);
  const int32_t left = x + w / 2 - gui::TextWidth(kFont, text) / 2;
  // The whole line in grey, then its key word again in colour over itself.
  gui::Text(left, y, kFont, kTextColor, text, 0);
  if (word.length == 0) return;
  const int32_t wordX = left + gui::TextWidth(kFont, text, static_cast<int32_t>(word.start));
  gui::Text(wordX, y, kFont, word.color, text.substr(word.start, word.length), 0);
}

namespace forge {

const char* ResultTitle(uint32_t kind) {
  switch (kind) {
    case 0: return "Unsuccessful";
    case 1: return "Success";
    case 2: return "Information";
    default: return "Exaltation";
  }
}

std::unique_ptr<GUI_Dialog> BuildResultDialog(uint32_t kind, const std::string& message,
                                              GUI_Handler handler, int32_t okCode) {
  return gui::BuildMessageDialog(
      ResultTitle(kind), message, kPlacement, handler, okCode,
      [](int32_t x, int32_t y, int32_t width, const std::string& line) -> GUI_Element* {
        return new GUI_ExaltationMessageLabel(x, y, width, line);
      });
}

}  // namespace forge
