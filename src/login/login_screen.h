// The login screen the library shows instead of the host's: built once,
// when the host's main window appears.
#pragma once

namespace login {

void CreateLoginScreen();

namespace hooks {
// The information panels along the bottom, created last.
inline void (*createInformationPanels)() = nullptr;
}  // namespace hooks

// Wires the login screen into the window procedure. Called once at attach.
void Install();

}  // namespace login
