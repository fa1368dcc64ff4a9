#include "features/hotkeys/window_state.h"

namespace hotkeys {

HotkeyWindowState& Window() {
  static HotkeyWindowState state;
  return state;
}

std::string& RememberedRowKey() {
  static std::string key;
  return key;
}

}  // namespace hotkeys
