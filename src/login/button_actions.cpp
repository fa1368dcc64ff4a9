#include "login/button_actions.h"

#include <utility>

#include "gui/dialog.h"
#include "gui/widget_queries.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"
#include "host/host_functions.h"
#include "login/account_list.h"
#include "login/login_dialogs.h"
#include "login/login_pending.h"
#include "login/widgets.h"
#include "platform/platform.h"
#include "web/endpoints.h"

namespace login {
namespace {

// In the game the login screen's dialogs are out of play: a login action
// reaching them then (a button event queued before the change, a key meant
// for another dialog) would log the character's account in again.
bool InGame() { return HostGameState() == host::kGameStateInGame; }

bool IsLoginAction(int32_t action) {
  return action == kEnterGame || action == kLoginSelected || action == kActivateSelected;
}

// The boxes keep line breaks out as they are edited; stripping here too
// means no text set on them otherwise can hand one to the host or the list.
std::string BoxText(GUI_Dialog& dialog, int32_t id) {
  auto* box = dynamic_cast<GUI_TextBox*>(dialog.FindChild(id));
  return box != nullptr ? WithoutLineBreaks(box->text) : std::string();
}

// The host takes over: its login, then its two interface commands.
void HandToHost(const std::string& account, const std::string& password) {
  EnterLoginPending();
  HostLogin(account.c_str(), password.c_str());
  HostGuiCommand(75, 0, 0);
  HostGuiCommand(3, 0, 0);
  HostDialogState() = 0;
}

void LoginFromDialog() {
  GUI_Dialog* dialog = gui::FirstDialogOfKind(GUI_Dialog::kCentered);
  if (dialog == nullptr || dialog->FindChild(kAccountBox) == nullptr ||
      dialog->FindChild(kPasswordBox) == nullptr) {
    return;
  }
  const std::string account = BoxText(*dialog, kAccountBox);
  const std::string password = BoxText(*dialog, kPasswordBox);
  auto* save = dynamic_cast<GUI_CheckBox*>(dialog->FindChild(kSaveAccountBox));
  if (save != nullptr && save->checked != 0) SaveAccount(account, password);
  HandToHost(account, password);
}

// The selected entry of the open list, when the selection is an entry.
SavedAccount* Selected(GUI_Accounts** list = nullptr) {
  GUI_Accounts* found = SavedAccountsList();
  if (list != nullptr) *list = found;
  if (found == nullptr || found->selected < 0 ||
      static_cast<size_t>(found->selected) >= Accounts().size()) {
    return nullptr;
  }
  return &Accounts()[static_cast<size_t>(found->selected)];
}

void LoginFromList() {
  const SavedAccount* entry = Selected();
  if (entry == nullptr) return;
  const SavedAccount copy = *entry;
  HandToHost(copy.account, copy.password);
}

void RemoveSelected() {
  GUI_Accounts* list = nullptr;
  if (Selected(&list) == nullptr) return;
  Accounts().erase(Accounts().begin() + list->selected);
  list->UpdateScrollRange();
  SaveAccounts();
}

void MoveSelected(int32_t step) {
  GUI_Accounts* list = nullptr;
  if (Selected(&list) == nullptr) return;
  const int32_t other = list->selected + step;
  if (other < 0 || static_cast<size_t>(other) >= Accounts().size()) return;
  std::swap(Accounts()[static_cast<size_t>(list->selected)], Accounts()[static_cast<size_t>(other)]);
  list->selected = other;
  list->UpdateScrollRange();
  SaveAccounts();
}

}  // namespace

void SaveAccount(const std::string& typedAccount, const std::string& typedPassword) {
  // The host's own login dialog hands its texts here as they are.
  const std::string account = WithoutLineBreaks(typedAccount);
  const std::string password = WithoutLineBreaks(typedPassword);
  if (account.empty() || password.empty()) return;
  EnsureAccountsLoaded();
  std::vector<SavedAccount>& accounts = Accounts();
  bool known = false;
  for (SavedAccount& entry : accounts) {
    if (entry.account != account) continue;
    entry.password = password;
    known = true;
    break;
  }
  if (!known) accounts.push_back({account, password});
  SaveAccounts();
  UpdateListRanges();
}

bool LoginTakesReturn() {
  if (LoginPending() || InGame()) return false;
  GUI_Dialog* dialog = gui::FirstOpenDialogOfKind(GUI_Dialog::kCentered);
  if (dialog == nullptr) return false;
  if (!gui::TextBoxHasText(dialog->FindChild(kAccountBox)) &&
      !gui::TextBoxHasText(dialog->FindChild(kPasswordBox))) {
    return false;
  }
  OnButtonAction(kEnterGame, 0);
  return true;
}

void OnButtonAction(int32_t action, int32_t value) {
  // One login at a time: while the host works on one, the login buttons and
  // Enter do nothing; nor do they in the game.
  if (IsLoginAction(action) && (LoginPending() || InGame())) return;
  switch (action) {
    case kEnterGame: LoginFromDialog(); break;
    case kToggleSavedAccounts: ToggleSavedAccounts(); break;
    case kRemoveSelected: RemoveSelected(); break;
    case kLoginSelected:
    case kActivateSelected: LoginFromList(); break;
    case kMoveUp: MoveSelected(-1); break;
    case kMoveDown: MoveSelected(1); break;
    case kManageAccount:
      platform::Get().ShellOpen(web::CurrentEndpoints().webSite + "?subtopic=accountmanagement");
      break;
    case kHostOptions: HostGuiCommand(36, 0, 0); break;
    case kLeaveGame: HostLeaveGame(); break;
    default: break;
  }
}

}  // namespace login
