// The login screen's button handler: every button of the login dialogs and
// of the server status bar reports its action number here.
#pragma once

#include <cstdint>
#include <string>

namespace login {

inline constexpr int32_t kEnterGame = 100;
inline constexpr int32_t kToggleSavedAccounts = 102;
inline constexpr int32_t kRemoveSelected = 200;
inline constexpr int32_t kLoginSelected = 201;
inline constexpr int32_t kActivateSelected = 202;  // a double press in the list
inline constexpr int32_t kMoveUp = 203;
inline constexpr int32_t kMoveDown = 204;
inline constexpr int32_t kManageAccount = 601;
inline constexpr int32_t kHostOptions = 602;
inline constexpr int32_t kLeaveGame = 603;

// A GUI_Handler: (action, value).
void OnButtonAction(int32_t action, int32_t value);

// Remembers an account (a new one at the end, a known name gets the new
// password) and saves the list; nothing without both texts. Line breaks and
// NULs are dropped from both first.
void SaveAccount(const std::string& account, const std::string& password);

// Enter on the login screen: logs in from the login dialog when one of its
// boxes holds text. Answers whether the key was used.
bool LoginTakesReturn();

}  // namespace login
