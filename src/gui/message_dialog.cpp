#include "gui/message_dialog.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "gui/dialog.h"
#include "gui/draw.h"
#include "gui/message_lines.h"
#include "gui/screen.h"
#include "gui/text_fit.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"

namespace gui {
namespace {

constexpr int32_t kMinTextWidth = 274;
constexpr int32_t kFirstLineY = 34;
constexpr int32_t kLineHeight = 14;
constexpr Color kTextColor{180, 180, 180};

std::vector<std::string> SplitLines(const std::string& message) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = message.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(message.substr(start, end - start));
  }
  lines.push_back(message.substr(start));
  return lines;
}

GUI_Dialog* ShownMessage = nullptr;

GUI_Element* GreyLine(int32_t x, int32_t y, int32_t width, const std::string& line) {
  auto* label =
      new GUI_Label(x, y, width, kLineHeight, line, 0, kTextColor.r, kTextColor.g, kTextColor.b);
  label->font = kMessageFont;
  return label;
}

}  // namespace

std::unique_ptr<GUI_Dialog> BuildMessageDialog(const std::string& title, const std::string& message,
                                               int32_t placement, GUI_Handler handler,
                                               int32_t okCode, MessageLineFactory makeLine) {
  if (makeLine == nullptr) makeLine = &GreyLine;
  // The text is the server's, shown whole: a line wider than the screen
  // allows wraps, and more lines than fit on the screen scroll.
  const int32_t room = std::max(kMinTextWidth, ClientWidth - 36 - 8);
  const auto maxLines = static_cast<size_t>(std::max(1, (ClientHeight - 91 - 8) / kLineHeight));
  std::vector<std::string> lines;
  for (const std::string& line : SplitLines(message)) {
    for (std::string& part : WrapText(kMessageFont, line, room)) lines.push_back(std::move(part));
  }
  int32_t widest = kMinTextWidth;
  for (const std::string& line : lines) widest = std::max(widest, TextWidth(kMessageFont, line));
  const bool scrolls = lines.size() > maxLines;
  const auto shown = static_cast<int32_t>(scrolls ? maxLines : lines.size());
  const int32_t w = widest + 36;
  const int32_t h = 91 + kLineHeight * shown;
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, w, h, title, placement);
  GUI_MessageLines* pane = nullptr;
  if (scrolls) {
    std::vector<std::unique_ptr<GUI_Element>> made;
    for (const std::string& line : lines) made.emplace_back(makeLine(0, 0, widest, line));
    pane = dialog->AddChild(
        new GUI_MessageLines(18, kFirstLineY, widest, shown, std::move(made)));
  } else {
    int32_t y = kFirstLineY;
    for (const std::string& line : lines) {
      dialog->AddChild(makeLine(18, y, widest, line));
      y += kLineHeight;
    }
  }
  dialog->AddChild(new GUI_Separator(13, h - 40, w - 26, 2, 0));
  // The same "Ok" under the ids of both keys, so Enter and Escape close it.
  for (const int32_t id : {ids::kDefaultButton, ids::kCancelButton}) {
    auto* ok = new GUI_Button(w - 20 - 43, h - 30, 43, 20, "Ok", id);
    ok->interactive = 1;
    ok->SetHandler(handler, okCode);
    dialog->AddChild(ok);
  }
  // A pane that scrolls has the keys: the arrows move it, Enter and Escape
  // still answer "Ok".
  dialog->SetFocus(pane);
  return dialog;
}

void ShowModalMessage(std::unique_ptr<GUI_Dialog> dialog) {
  GUI_Dialog* raw = dialog.get();
  dialog->onDestroyed = [](GUI_Dialog* d) {
    if (ShownMessage == d) ShownMessage = nullptr;
  };
  if (ModalMessageIsCurrent()) {
    SetModalDialog(std::move(dialog));
  } else {
    StackModalDialog(std::move(dialog));
  }
  ShownMessage = raw;
  raw->Place(ClientWidth, ClientHeight);
}

bool ModalMessageIsCurrent() { return ShownMessage != nullptr && ModalDialog() == ShownMessage; }

GUI_Dialog* CloseModalMessage() {
  if (!ModalMessageIsCurrent()) return nullptr;
  return RestoreSetAsideDialog();
}

void DestroyModalMessage() {
  if (ModalMessageIsCurrent()) DestroyModalDialog();
}

}  // namespace gui
