#include "input/input_state.h"

#include "host/frame_hooks.h"
#include "host/host_functions.h"

namespace input {

bool MainWindowUnicode = false;
uintptr_t HostWindowProc = 0;
uintptr_t LoginChildWindow = 0;
bool WalkMode = false;
bool ChatModeButtonOn = false;
bool MountRequested = false;

namespace {
constexpr uint32_t kLayoutBlockPointer = 0x79CDE4;
constexpr uint32_t kLayoutTableOffset = 4784;
constexpr int kChatModeRectangle = 6;  // the seventh rectangle
constexpr int32_t kHostDialogNoListInput = 11;
}  // namespace

bool InGame() { return host::LastGameState() == host::kGameStateInGame; }

bool WindowListTakesInput() {
  return !InGame() && HostDialogState() != kHostDialogNoListInput;
}

uint32_t LayoutBlock() { return host::Read<uint32_t>(kLayoutBlockPointer); }

void SetChatModeRectangle(bool on) {
  const uint32_t block = LayoutBlock();
  if (block == 0) return;
  const uint32_t rect = block + kLayoutTableOffset + kChatModeRectangle * 16;
  host::Write<int32_t>(rect, on ? 43 : 0);
  host::Write<int32_t>(rect + 4, 288);
  host::Write<int32_t>(rect + 8, 43);
  host::Write<int32_t>(rect + 12, 13);
}

void ToggleWalkMode() {
  WalkMode = !WalkMode;
  ChatModeButtonOn = !ChatModeButtonOn;
  SetChatModeRectangle(ChatModeButtonOn);
}

}  // namespace input
