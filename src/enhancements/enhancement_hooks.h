// Registration points of the small enhancements for subsystems above them,
// set by the composition root. Unregistered points do nothing.
#pragma once

namespace enhancements::hooks {

// The saved-accounts list's add account: append the entry, save it, update
// the open lists. Called by the host's own login dialog after the host
// logged in with its "Save Account" box checked; both texts are the host's
// and live only for the call.
inline void (*addSavedAccount)(const char* account, const char* password) = nullptr;

}  // namespace enhancements::hooks
