// The login screen the library shows instead of the host's: built once,
// when the host's main window appears.
#pragma once

namespace login {

void CreateLoginScreen();

// Wires the login screen into the window procedure. Called once at attach.
void Install();

}  // namespace login
