#include "features/server_dialogs/window.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "features/server_dialogs/answer_button.h"
#include "features/server_dialogs/answers.h"
#include "features/server_dialogs/choice_list.h"
#include "features/server_dialogs/identifiers.h"
#include "features/server_dialogs/layout.h"
#include "features/server_dialogs/message_text.h"
#include "features/server_dialogs/requests.h"
#include "gui/dialog.h"
#include "gui/draw.h"
#include "gui/message_lines.h"
#include "gui/screen.h"
#include "gui/text_fit.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"

namespace server_dialogs {
namespace {

constexpr int32_t kPlacement = 23;  // centred on the screen, movable by the title bar
constexpr int32_t kTitleFont = 4;
constexpr int32_t kCaptionFont = 3;  // GUI_Button's
constexpr int32_t kTitleRoom = 8;      // the title keeps 4 pixels from either end of its bar
constexpr int32_t kCaptionRoom = kButtonStep - 2;  // up to 2 pixels short of the next caption
constexpr int32_t kChoiceListId = 3000;
constexpr gui::Color kTextColor{180, 180, 180};

struct Answer {
  int32_t identifier;
  uint8_t choiceId;
};

// The dialog shown, with what its answer needs.
struct Shown {
  GUI_Dialog* dialog = nullptr;
  uint32_t windowId = 0;
  std::vector<uint8_t> choiceIds;
  GUI_Choices* list = nullptr;
  std::optional<Answer> answer;
};
Shown shown;

GUI_Element* MakeLine(int32_t x, int32_t y, int32_t width, const std::string& text) {
  return new GUI_Label(x, y, width, kLineHeight, text, 0, kTextColor.r, kTextColor.g,
                       kTextColor.b);
}

// The lines as labels, or in a pane that scrolls when not all are shown.
GUI_MessageLines* AddLines(GUI_Dialog& d, const std::vector<std::string>& lines,
                           const DialogLayout& layout) {
  if (layout.shownLines < static_cast<int32_t>(lines.size())) {
    std::vector<std::unique_ptr<GUI_Element>> made;
    for (const std::string& line : lines) made.emplace_back(MakeLine(0, 0, layout.textWidth, line));
    return d.AddChild(new GUI_MessageLines(kSideMargin, kFirstLineY, layout.textWidth,
                                           layout.shownLines, std::move(made)));
  }
  int32_t y = kFirstLineY;
  for (const std::string& line : lines) {
    d.AddChild(MakeLine(kSideMargin, y, layout.textWidth, line));
    y += kLineHeight;
  }
  return nullptr;
}

GUI_AnswerButton* AddButton(GUI_Dialog& d, Point at, const std::string& caption, int32_t id,
                            uint8_t buttonId) {
  // A caption wider than the step between buttons would run into the next
  // one, or out of the window at the right; it ends in "..." instead.
  auto* button = d.AddChild(new GUI_AnswerButton(at.x, at.y, kButtonW, kButtonH,
                                                 gui::FitText(kCaptionFont, caption, kCaptionRoom), id));
  button->interactive = 1;
  button->SetHandler(&OnAnswerEvent, IdentifierOf(buttonId));
  return button;
}

// Escape and Enter click these: they stand for the escape and enter
// buttons whether or not the dialog shows a button with that id.
void AddKeyButton(GUI_Dialog& d, int32_t reservedId, uint8_t buttonId) {
  auto* key = d.AddChild(new GUI_AnswerButton(0, 0, 0, 0, "", reservedId));
  key->visible = 0;
  key->SetHandler(&OnAnswerEvent, IdentifierOf(buttonId));
}

struct Built {
  std::unique_ptr<GUI_Dialog> dialog;
  GUI_Choices* list = nullptr;
};

Built Build(const ServerDialog& s) {
  const MessageText text = LayOutMessage(s.message, MaxTextWidth(ClientWidth));
  const std::vector<std::string>& lines = text.lines;
  DialogContent content;
  content.widestLine = text.width;
  content.lines = static_cast<int32_t>(lines.size());
  content.buttons = static_cast<int32_t>(s.buttons.size());
  content.choices = static_cast<int32_t>(s.choices.size());
  const DialogLayout layout = LayOut(content, ClientWidth, ClientHeight);

  auto dialog = std::make_unique<GUI_Dialog>(
      0, 0, layout.width, layout.height,
      gui::FitText(kTitleFont, s.title, layout.width - kTitleRoom), kPlacement);
  GUI_Dialog& d = *dialog;
  GUI_Element* keys = AddLines(d, lines, layout);

  GUI_Choices* list = nullptr;
  if (!s.choices.empty()) {
    std::vector<std::string> texts;
    texts.reserve(s.choices.size());
    for (const DialogEntry& choice : s.choices) texts.push_back(choice.text);
    list = d.AddChild(new GUI_Choices(kSideMargin, layout.choicesY, layout.textWidth,
                                      layout.shownChoices, std::move(texts), kChoiceListId));
    list->SetHandler(&OnAnswerEvent, IdentifierOf(s.enterButton));
    keys = list;  // the arrows move the selection
  }

  if (!s.buttons.empty()) {
    const Point top = ButtonPosition(layout, 0, content.buttons);
    d.AddChild(new GUI_Separator(13, top.y - 10, layout.width - 26, 2, 0));
  }
  for (size_t i = 0; i < s.buttons.size(); ++i) {
    const DialogEntry& button = s.buttons[i];
    AddButton(d, ButtonPosition(layout, static_cast<int32_t>(i), content.buttons), button.text,
              IdentifierOf(button.id), button.id);
  }
  AddKeyButton(d, gui::ids::kDefaultButton, s.enterButton);
  AddKeyButton(d, gui::ids::kCancelButton, s.escapeButton);
  d.SetFocus(keys);
  return {std::move(dialog), list};
}

}  // namespace

void ShowServerDialog(const ServerDialog& s) {
  // A dialog set aside under the window this one replaces is stale too.
  if (shown.dialog != nullptr && gui::SetAsideDialog() == shown.dialog) {
    gui::DestroySetAsideDialog();
  }
  Built built = Build(s);
  GUI_Dialog* raw = built.dialog.get();
  built.dialog->onDestroyed = [](GUI_Dialog* d) {
    if (shown.dialog == d) shown = Shown{};
  };
  gui::SetModalDialog(std::move(built.dialog));
  shown = Shown{};
  shown.dialog = raw;
  shown.windowId = s.windowId;
  shown.list = built.list;
  shown.choiceIds.reserve(s.choices.size());
  for (const DialogEntry& choice : s.choices) shown.choiceIds.push_back(choice.id);
  raw->Place(ClientWidth, ClientHeight);
}

void CloseServerDialog() {
  if (ServerDialogIsCurrent()) {
    gui::DestroyModalDialog();
  } else if (shown.dialog != nullptr && gui::SetAsideDialog() == shown.dialog) {
    gui::DestroySetAsideDialog();
  }
}

bool ServerDialogIsCurrent() {
  return shown.dialog != nullptr && gui::ModalDialog() == shown.dialog;
}

void NoteAnswer(int32_t identifier) {
  if (!ServerDialogIsCurrent() || shown.answer) return;
  uint8_t choiceId = kNoChoice;
  if (shown.list != nullptr && shown.list->Selected() >= 0) {
    choiceId = shown.choiceIds[static_cast<size_t>(shown.list->Selected())];
  }
  shown.answer = Answer{identifier, choiceId};
}

void OnAnswerEvent(int32_t identifier, int32_t) {
  const std::optional<uint8_t> buttonId = ButtonIdOf(identifier);
  if (!buttonId || !ServerDialogIsCurrent()) return;
  if (!shown.answer || shown.answer->identifier != identifier) return;
  RequestAnswer(shown.windowId, *buttonId, shown.answer->choiceId);
  gui::DestroyModalDialog();
}

}  // namespace server_dialogs
