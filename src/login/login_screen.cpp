#include "login/login_screen.h"

#include "gui/dialog.h"
#include "input/input_hooks.h"
#include "login/account_list.h"
#include "login/button_actions.h"
#include "login/login_dialogs.h"
#include "login/login_pending.h"
#include "web/status_bar.h"
#include "web/status_window.h"

namespace login {

void CreateLoginScreen() {
  static bool created = false;
  if (created) return;
  created = true;
  CreateLoginDialog();
  if (ReadSavedAccountsOpen()) OpenSavedAccounts();
  web::CreateServerStatusWindow();
  if (hooks::createInformationPanels != nullptr) hooks::createInformationPanels();
}

void Install() {
  input::hooks::createLoginScreen = &CreateLoginScreen;
  input::hooks::loginPending = &LoginPending;
  input::hooks::loginRestore = &RestoreLoginDialog;
  input::hooks::loginTakesReturn = &LoginTakesReturn;
  gui::hooks::loginEscape = &RestoreLoginDialog;
  web::hooks::loginWatchdog = &LoginWatchdog;
}

}  // namespace login
