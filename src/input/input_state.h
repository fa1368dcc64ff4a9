// The window procedure's state: the host's main window, its old procedure,
// the login child window and the keyboard modes.
#pragma once

#include <cstdint>

namespace input {

extern bool MainWindowUnicode;
extern uintptr_t HostWindowProc;     // the main window's procedure before ours
extern uintptr_t LoginChildWindow;   // subclassed while a login is pending, or 0
extern bool WalkMode;                // letters move the character
extern bool ChatModeButtonOn;        // shown together with WalkMode
extern bool MountRequested;          // toggled by Ctrl+M

// The library's copy of the game state (updated by the frame tick) is 8.
bool InGame();
// The login dialog list takes input: not in game, and no host dialog 11.
bool WindowListTakesInput();

// The host's interface layout block (0 when the host has none yet) and the
// chat-mode button rectangle in it.
uint32_t LayoutBlock();
// Rectangle `index` (zero-based) of the layout block's table; nothing
// happens while the host has no layout block.
void SetLayoutRectangle(int index, int32_t x, int32_t y, int32_t width, int32_t height);
void SetLayoutRectangleHeight(int index, int32_t height);
void SetChatModeRectangle(bool on);
// Ctrl+X and interface command 1003: both modes together.
void ToggleWalkMode();

}  // namespace input
