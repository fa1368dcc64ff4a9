#include "login/login_pending.h"

#include "gui/dialog.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"
#include "host/handlers.h"
#include "input/input_state.h"
#include "login/login_dialogs.h"

namespace login {
namespace {

struct Pending {
  bool active = false;
  GUI_Dialog* dialog = nullptr;  // the login dialog lives as long as the process
  uint32_t since = 0;
};

Pending& State() {
  static Pending pending;
  return pending;
}

}  // namespace

bool LoginPending() { return State().active; }

void EnterLoginPending() {
  Pending& p = State();
  if (p.active) return;
  GUI_Dialog* dialog = gui::FirstDialogOfKind(GUI_Dialog::kCentered);
  if (dialog != nullptr) dialog->open = 0;
  p.dialog = dialog;
  p.active = true;
  p.since = ClockMillis();
}

void RestoreLoginDialog() {
  Pending& p = State();
  if (!p.active || p.dialog == nullptr) return;
  // The dialog is remembered by pointer; it must still be the login dialog.
  if (gui::FirstDialogOfKind(GUI_Dialog::kCentered) != p.dialog) {
    p = Pending{};
    return;
  }
  for (const int32_t id : {kAccountBox, kPasswordBox}) {
    if (auto* box = dynamic_cast<GUI_TextBox*>(p.dialog->FindChild(id))) box->SetText("", true);
  }
  if (auto* save = dynamic_cast<GUI_CheckBox*>(p.dialog->FindChild(kSaveAccountBox))) {
    save->SetChecked(false, false);
  }
  p.dialog->open = 1;
  p.active = false;
  p.since = 0;
}

void LoginWatchdog() {
  const Pending& p = State();
  if (!p.active || input::LoginChildWindow != 0) return;
  if (ClockMillis() - p.since >= kLoginWatchdogMs) RestoreLoginDialog();
}

}  // namespace login
