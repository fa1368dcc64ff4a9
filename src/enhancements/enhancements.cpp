#include "enhancements/enhancements.h"

#include "enhancements/blessings.h"
#include "enhancements/captured_buttons.h"
#include "enhancements/commands.h"
#include "enhancements/context_menu.h"
#include "enhancements/host_login_dialog.h"
#include "enhancements/panel_commands.h"
#include "enhancements/side_panel.h"
#include "protocol/dispatcher.h"

namespace enhancements {

void Install() {
  InstallCommands();
  InstallCapturedButtons();
  InstallSidePanel();
  InstallPanelCommands();
  InstallContextMenu();
  InstallHostLoginDialog();
  protocol::RegisterOpcode(kBlessingsOpcode, &ParseBlessingsStatus);
}

}  // namespace enhancements
