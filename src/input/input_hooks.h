// Registration points of the window procedure for subsystems above it (login
// screen, hotkey editor, updater, prey, NPC trade, small enhancements).
// Unregistered points do nothing (questions answer false).
#pragma once

#include <cstdint>

namespace input::hooks {

// Login screen: a login is pending (the host's login child window is up).
inline bool (*loginPending)() = nullptr;
// Login screen: restore the screen after the pending login ended.
inline void (*loginRestore)() = nullptr;
// Login screen: Enter as a login action; answers whether it was taken.
inline bool (*loginTakesReturn)() = nullptr;
// Login screen and updater start when the host's main window appears.
inline void (*createLoginScreen)() = nullptr;
inline void (*startVersionCheck)() = nullptr;

// Hotkey editor: waiting for a key; cancel; a release; a click.
inline bool (*hotkeyEditorWaiting)() = nullptr;
inline void (*hotkeyEditorCancel)() = nullptr;
inline void (*hotkeyEditorRelease)() = nullptr;
inline void (*hotkeyEditorClick)(int32_t x, int32_t y) = nullptr;

// Shortcuts in game: Ctrl+Y (prey dialog), Ctrl+K (hotkeys window).
inline void (*openPreyDialog)() = nullptr;
inline void (*openHotkeys)() = nullptr;

// The NPC trade window's list view gets a wheel event before its window.
inline void (*npcTradeListWheel)(int32_t x, int32_t y, bool up) = nullptr;

// Closing the client in game: the exit warning.
inline void (*openExitWarning)() = nullptr;

// WM_DESTROY: unmap the host data files the library mapped.
inline void (*unmapDataFiles)() = nullptr;

}  // namespace input::hooks
