// The login screen's button handler: every button of the login dialogs and
// of the server status bar reports its action number here.
#pragma once

#include <cstdint>

namespace login {

inline constexpr int32_t kManageAccount = 601;
inline constexpr int32_t kHostOptions = 602;
inline constexpr int32_t kLeaveGame = 603;

// A GUI_Handler: (action, value).
void OnButtonAction(int32_t action, int32_t value);

}  // namespace login
