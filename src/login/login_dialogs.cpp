#include "login/login_dialogs.h"

#include <memory>

#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"
#include "login/account_list.h"
#include "login/button_actions.h"
#include "login/widgets.h"
#include "web/endpoints.h"

namespace login {
namespace {

constexpr gui::Color kTextColor{180, 180, 180};
constexpr gui::Color kUnderline{179, 179, 179};

LoginTextBox* Box(GUI_Dialog& dialog, int32_t y, int32_t id) {
  auto* box = new LoginTextBox(78, y, 140, 20, "", id, kTextColor.r, kTextColor.g, kTextColor.b);
  box->maxLength = 30;
  box->font = 1;
  box->interactive = 1;
  dialog.AddChild(box);
  return box;
}

GUI_Button* Button(GUI_Dialog& dialog, int32_t x, int32_t y, int32_t w, const char* caption,
                   int32_t action) {
  auto* button = new GUI_Button(x, y, w, 20, caption, action);
  button->interactive = 1;
  button->SetHandler(&OnButtonAction, action);
  dialog.AddChild(button);
  return button;
}

}  // namespace

GUI_Accounts* SavedAccountsList() {
  for (const auto& dialog : gui::WindowList()) {
    if (dialog->open == 0 || dialog->kind != GUI_Dialog::kSavedAccounts) continue;
    if (auto* list = dynamic_cast<GUI_Accounts*>(dialog->FindChild(kAccountList))) return list;
  }
  return nullptr;
}

void UpdateListRanges() {
  for (const auto& dialog : gui::WindowList()) {
    if (dialog->open == 0 || dialog->kind != GUI_Dialog::kSavedAccounts) continue;
    if (auto* list = dynamic_cast<GUI_Accounts*>(dialog->FindChild(kAccountList))) {
      list->UpdateScrollRange();
    }
  }
}

GUI_Dialog* CreateLoginDialog() {
  auto dialog = std::make_unique<GUI_Dialog>((ClientWidth - 232) / 2, (ClientHeight - 185) / 2,
                                             232, 185, "Journey Onwards", GUI_Dialog::kCentered);
  GUI_Dialog& d = *dialog;
  d.AddChild(new GUI_Label(18, 32, 55, 14, "Account:", 0, kTextColor.r, kTextColor.g, kTextColor.b));
  Box(d, 26, kAccountBox);
  d.AddChild(new GUI_Label(18, 57, 60, 14, "Password:", 0, kTextColor.r, kTextColor.g, kTextColor.b));
  Box(d, 51, kPasswordBox)->maskChar = '*';
  auto* save = new GUI_CheckBox(18, 78, 200, 20, "Save Account", false, kSaveAccountBox, 180, 180, 180);
  save->interactive = 1;
  d.AddChild(save);
  const std::string site = web::CurrentEndpoints().webSite;
  auto link = [&](int32_t y, const char* text, const char* page, int32_t id, int32_t lineWidth) {
    auto* label = new ClickableLabel(18, y, 200, 14, text, site + page, id);
    label->interactive = 1;
    d.AddChild(label);
    d.AddChild(new UnderlineElement(18, y + 9, lineWidth, 1, kUnderline.r, kUnderline.g, kUnderline.b));
  };
  link(107, "Forgot password and/or account", "?subtopic=lostaccount", 106, 190);
  link(122, "Create new account", "?subtopic=createaccount", 107, 114);
  d.AddChild(new GUI_Separator(18, 143, 200, 2, 0));
  Button(d, 18, 155, 86, "Enter Game", kEnterGame);
  Button(d, 132, 155, 86, "Saved Accounts", kToggleSavedAccounts);
  // The account box takes the keyboard first.
  d.SetFocus(d.FindChild(kAccountBox));
  return gui::AppendToWindowList(std::move(dialog));
}

GUI_Dialog* OpenSavedAccounts() {
  LoadAccounts();
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, 215, 240, "Saved Accounts",
                                             GUI_Dialog::kSavedAccounts);
  Button(*dialog, 18, 205, 43, "Login", kLoginSelected);
  Button(*dialog, 65, 205, 43, "Remove", kRemoveSelected);
  Button(*dialog, 112, 205, 43, "Move Up", kMoveUp);
  Button(*dialog, 159, 205, 43, "Move Dn", kMoveDown);
  auto* list = new GUI_Accounts(18, 32, 183, 158, kAccountList);
  list->interactive = 1;
  list->SetActivateHandler(&OnButtonAction, kActivateSelected);
  dialog->AddChild(list);  // last, so it holds the keyboard focus
  list->UpdateScrollRange();
  dialog->Place(ClientWidth, ClientHeight);
  return gui::AppendToWindowList(std::move(dialog));
}

void ToggleSavedAccounts() {
  if (GUI_Dialog* open = gui::FirstOpenDialogOfKind(GUI_Dialog::kSavedAccounts)) {
    gui::RemoveFromWindowList(open);
    WriteSavedAccountsOpen(false);
    return;
  }
  OpenSavedAccounts();
  WriteSavedAccountsOpen(true);
}

}  // namespace login
