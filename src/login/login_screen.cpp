#include "login/login_screen.h"

#include "input/input_hooks.h"
#include "web/status_window.h"

namespace login {

void CreateLoginScreen() {
  static bool created = false;
  if (created) return;
  created = true;
  web::CreateServerStatusWindow();
}

void Install() { input::hooks::createLoginScreen = &CreateLoginScreen; }

}  // namespace login
