#include "login/button_actions.h"

#include "host/host_functions.h"
#include "platform/platform.h"
#include "web/endpoints.h"

namespace login {

void OnButtonAction(int32_t action, int32_t value) {
  switch (action) {
    case kManageAccount:
      platform::Get().ShellOpen(web::CurrentEndpoints().webSite + "?subtopic=accountmanagement");
      break;
    case kHostOptions: HostGuiCommand(36, 0, 0); break;
    case kLeaveGame: HostLeaveGame(); break;
    default: break;
  }
}

}  // namespace login
