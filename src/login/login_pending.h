// Between a login handed to the host and the host's answer: the login
// dialog is hidden until the host's login window closes, or until none
// appeared within two seconds, and then comes back empty.
#pragma once

#include <cstdint>

namespace login {

inline constexpr uint32_t kLoginWatchdogMs = 2000;

bool LoginPending();
// Hides the login dialog and remembers it (once per pending login).
void EnterLoginPending();
// Ends the pending login: the remembered dialog is shown again with empty
// fields and "Save Account" unchecked.
void RestoreLoginDialog();
// Run on every draw of the status bar: no login window 2000 ms after the
// login began restores the dialog.
void LoginWatchdog();

}  // namespace login
