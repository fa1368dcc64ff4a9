// The "Save Account" check box the library adds to the host's own login
// dialog, and the account it saves when the host logs in with it checked.
#pragma once

#include <cstdint>

namespace enhancements {

// The check box on the host's login dialog (a host object), or 0 when the
// host could not allocate it. The host owns it as the dialog's child.
extern uint32_t SaveAccountCheckBox;

// Takes over the host's login dialog hooks. Called once at attach.
void InstallHostLoginDialog();

}  // namespace enhancements
