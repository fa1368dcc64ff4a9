// The composition root: wires the subsystems and features together at
// attach (their opcodes, per-game resets, window sets and commands).
#include "library.h"

#include "enhancements/enhancement_hooks.h"
#include "enhancements/enhancements.h"
#include "enhancements/exit_warning.h"
#include "features/analyzer/analyzer.h"
#include "features/cyclopedia/cyclopedia.h"
#include "features/forge/forge.h"
#include "features/hotkeys/hotkeys.h"
#include "features/imbuements/imbuements.h"
#include "features/market/market.h"
#include "features/npc_trade/npc_trade.h"
#include "features/outfits/outfits.h"
#include "features/prey/prey.h"
#include "features/server_dialogs/server_dialogs.h"
#include "features/store/store.h"
#include "gui/window_sets.h"
#include "host/appearance/data_files.h"
#include "host/start_up.h"
#include "input/input_hooks.h"
#include "input/window_procedures.h"
#include "login/button_actions.h"
#include "login/login_screen.h"
#include "protocol/message_hooks.h"
#include "web/news/news_panels.h"
#include "web/updater/updater.h"

namespace quorlan {
namespace {

void WireSubsystems() {
  // Subsystems and features register their hooks here as they are built.
  // The window manager's sets are drawn from the frame hooks.
  gui::InstallWindowSets();
  // The host's main window and character input reach the library's windows.
  input::Install();
  input::hooks::openExitWarning = &enhancements::OpenExitWarning;
  input::hooks::unmapDataFiles = &appearance::UnmapDataFiles;
  // The host's panel and menu commands reach each feature's registration;
  // the side panel, blessings, context menu and captured buttons.
  enhancements::Install();
  // Server messages: the dispatcher's own opcodes first; each feature then
  // adds its opcodes (protocol::RegisterOpcode) and its refresh points
  // (protocol/message_hooks.h).
  protocol::RegisterDispatcherOpcodes();

  // The login screen, with the server status bar, when the host's main
  // window appears.
  login::Install();
  // The host's own login dialog saves accounts into the same list.
  enhancements::hooks::addSavedAccount = [](const char* account, const char* password) {
    login::SaveAccount(account, password);
  };

  // Features, each with its opcodes, windows, commands and per-game reset.
  analyzer::Install();
  cyclopedia::Install();
  forge::Install();
  prey::Install();
  imbuements::Install();
  store::Install();
  hotkeys::Install();
  market::Install();
  server_dialogs::Install();
  // The login screen's news, event schedule and boosted creatures.
  news::Install();
  npc_trade::Install();
  outfits::Install();
  // The data files are compared with the update service before the host
  // loads them.
  updater::Install();
}

}  // namespace

int32_t DllMainBody(uint32_t module, uint32_t reason, uint32_t reserved) {
  if (reason == host::kProcessAttach) {
    static bool wired = false;
    if (!wired) WireSubsystems();
    wired = true;
  }
  return host::LibraryEntryPoint(module, reason, reserved);
}

}  // namespace quorlan
