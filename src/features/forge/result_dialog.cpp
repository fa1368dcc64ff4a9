#include "features/forge/result_dialog.h"

#include <algorithm>
#include <vector>

#include "features/forge/rules.h"
#include "gui/dialog.h"
#include "gui/draw.h"
#include "gui/screen.h"
#include "gui/text_fit.h"
#include "gui/widgets.h"

namespace {

constexpr int32_t kPlacement = 11;  // centred on the screen, movable
constexpr int32_t kMinTextWidth = 274;
constexpr int32_t kFirstLineY = 34;
constexpr int32_t kLineHeight = 14;
constexpr gui::Color kTextColor{180, 180, 180};

std::vector<std::string> SplitLines(const std::string& message) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = message.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(message.substr(start, end - start));
  }
  lines.push_back(message.substr(start));
  return lines;
}

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
  // The dialog grows with its message but stays on the screen: longer lines
  // end in "...", and lines below the screen's edge are left out.
  const int32_t room = std::max(kMinTextWidth, ClientWidth - 36 - 8);
  const auto maxLines = static_cast<size_t>(std::max(1, (ClientHeight - 91 - 8) / kLineHeight));
  std::vector<std::string> lines = SplitLines(message);
  if (lines.size() > maxLines) lines.resize(maxLines);
  int32_t widest = kMinTextWidth;
  for (std::string& line : lines) {
    line = gui::FitText(GUI_ExaltationMessageLabel::kFont, line, room);
    widest = std::max(widest, gui::TextWidth(GUI_ExaltationMessageLabel::kFont, line));
  }
  const int32_t w = widest + 36;
  const int32_t h = 91 + kLineHeight * static_cast<int32_t>(lines.size());
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, w, h, ResultTitle(kind), kPlacement);
  int32_t y = kFirstLineY;
  for (const std::string& line : lines) {
    dialog->AddChild(new GUI_ExaltationMessageLabel(18, y, widest, line));
    y += kLineHeight;
  }
  dialog->AddChild(new GUI_Separator(13, h - 40, w - 26, 2, 0));
  // The same "Ok" under the ids of both keys, so Enter and Escape close it.
  for (const int32_t id : {gui::ids::kDefaultButton, gui::ids::kCancelButton}) {
    auto* ok = new GUI_Button(w - 20 - 43, h - 30, 43, 20, "Ok", id);
    ok->interactive = 1;
    ok->SetHandler(handler, okCode);
    dialog->AddChild(ok);
  }
  dialog->SetFocus(nullptr);
  return dialog;
}

}  // namespace forge
