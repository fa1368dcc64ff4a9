// Keyboard shortcuts and walking with letters, taken from the host's own
// character input (the host has already turned key presses into characters).
#include "host/host_functions.h"
#include "host/hook_points.h"
#include "input/input_hooks.h"
#include "input/input_state.h"
#include "input/window_procedures.h"
#include "platform/platform.h"

namespace input {
namespace {

constexpr int kVkControl = 0x11;

bool Down(int virtualKey) { return platform::Get().AsyncKeyState(virtualKey) < 0; }

// The movement key for a letter in walk mode, or 0.
uint8_t MovementKey(char lower) {
  switch (lower) {
    case 'a': return 0x25;  // VK_LEFT
    case 'd': return 0x27;  // VK_RIGHT
    case 'w': return 0x26;  // VK_UP
    case 's': return 0x28;  // VK_DOWN
    case 'q': return 0x24;  // VK_HOME
    case 'e': return 0x21;  // VK_PRIOR
    case 'z': return 0x23;  // VK_END
    case 'c': return 0x22;  // VK_NEXT
    default: return 0;
  }
}

void SendMountRequest() {
  MountRequested = !MountRequested;
  HostPacketBegin(0xD4);
  HostPacketAddU8(MountRequested ? 1 : 0);
  HostPacketSend(1);
}

}  // namespace

bool OnCharacterTyped(int32_t character) {
  if (Down(kVkControl) && Down('M')) SendMountRequest();
  // Each in-game shortcut reads the in-game test again: the one before may
  // have changed what is open.
  if (InGame() && Down(kVkControl) && Down('Y') && hooks::openPreyDialog != nullptr) {
    hooks::openPreyDialog();
  }
  if (InGame() && Down(kVkControl) && Down('K') && hooks::openHotkeys != nullptr) {
    hooks::openHotkeys();
  }
  if (InGame() && Down(kVkControl) && Down('X')) ToggleWalkMode();

  if (!WalkMode) return false;
  const bool upper = character >= 'A' && character <= 'Z';
  const bool lower = character >= 'a' && character <= 'z';
  if (!upper && !lower) return false;
  const char letter = static_cast<char>(upper ? character - 'A' + 'a' : character);
  const uint8_t key = MovementKey(letter);
  if (key != 0) {
    platform::Platform& os = platform::Get();
    os.KeybdEvent(key, false);
    os.KeybdEvent(key, true);
    return true;
  }
  return lower;  // other lower-case letters are swallowed; capitals go on
}

void Install() {
  host::hooks::windowCreated = &OnWindowCreated;
  host::hooks::typedChar = &OnCharacterTyped;
}

}  // namespace input
