// The login screen's dialogs: "Journey Onwards" (account, password, "Save
// Account", links to the web site, "Enter Game", "Saved Accounts") and the
// "Saved Accounts" list, both in the login dialog list.
#pragma once

#include <cstdint>

class GUI_Dialog;
class GUI_Accounts;

namespace login {

// Child ids of the login dialog.
inline constexpr int32_t kAccountBox = 3000;
inline constexpr int32_t kPasswordBox = 3001;
inline constexpr int32_t kSaveAccountBox = 105;
// The saved-accounts list.
inline constexpr int32_t kAccountList = 202;

GUI_Dialog* CreateLoginDialog();
// Loads the account list and opens "Saved Accounts" (no file written).
GUI_Dialog* OpenSavedAccounts();
// Action 102: close "Saved Accounts" when open, else open it; WindowState.dat
// remembers which.
void ToggleSavedAccounts();

// The list of the first open "Saved Accounts" dialog, or none.
GUI_Accounts* SavedAccountsList();
// Every open list follows a change of the account count.
void UpdateListRanges();

}  // namespace login
