#include "features/hotkeys/hotkeys.h"

#include "enhancements/commands.h"
#include "features/hotkeys/auto_switch.h"
#include "features/hotkeys/object_pick.h"
#include "features/hotkeys/window.h"
#include "host/frame_hooks.h"
#include "input/input_hooks.h"
#include "protocol/message_hooks.h"

namespace hotkeys {
namespace {

// Crossing the in-game state destroys the current window; the hotkey
// window may be set aside by a pick or a small dialog, so it goes too.
void OnScreenSwitch(bool) {
  AbandonObjectPick();
  DestroyHotkeyWindow();
}

}  // namespace

void Install() {
  enhancements::RegisterPanelCommand(enhancements::kOpenHotkeysCommand, &OpenHotkeyWindow);
  input::hooks::openHotkeys = &OpenHotkeyWindow;
  input::hooks::hotkeyEditorWaiting = &Picking;
  input::hooks::hotkeyEditorCancel = &CancelObjectPick;
  input::hooks::hotkeyEditorRelease = &FinishObjectPick;
  input::hooks::hotkeyEditorClick = [](int32_t, int32_t) {};  // the host notes the object itself
  protocol::RegisterCharacterNameHook(&OnCharacterName);
  host::RegisterScreenSwitchHook(&OnScreenSwitch);
}

}  // namespace hotkeys
