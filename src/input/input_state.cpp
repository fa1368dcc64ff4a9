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
constexpr uint32_t kLayoutRectangleSize = 16;  // x, y, width, height
constexpr int kChatModeRectangle = 6;  // the seventh rectangle
constexpr int32_t kHostDialogNoListInput = 11;
}  // namespace

bool InGame() { return host::LastGameState() == host::kGameStateInGame; }

bool WindowListTakesInput() {
  return !InGame() && HostDialogState() != kHostDialogNoListInput;
}

uint32_t LayoutBlock() { return host::Read<uint32_t>(kLayoutBlockPointer); }

void SetLayoutRectangle(int index, int32_t x, int32_t y, int32_t width, int32_t height) {
  const uint32_t block = LayoutBlock();
  if (block == 0) return;
  const uint32_t rect = block + kLayoutTableOffset + index * kLayoutRectangleSize;
  host::Write<int32_t>(rect, x);
  host::Write<int32_t>(rect + 4, y);
  host::Write<int32_t>(rect + 8, width);
  host::Write<int32_t>(rect + 12, height);
}

void SetLayoutRectangleHeight(int index, int32_t height) {
  const uint32_t block = LayoutBlock();
  if (block == 0) return;
  host::Write<int32_t>(block + kLayoutTableOffset + index * kLayoutRectangleSize + 12, height);
}

void SetChatModeRectangle(bool on) { SetLayoutRectangle(kChatModeRectangle, on ? 43 : 0, 288, 43, 13); }

void ToggleWalkMode() {
  WalkMode = !WalkMode;
  ChatModeButtonOn = !ChatModeButtonOn;
  SetChatModeRectangle(ChatModeButtonOn);
}

}  // namespace input
