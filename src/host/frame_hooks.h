// Registration points of the frame hooks. The host layer runs the frame; the
// GUI and the features register what must happen in it at attach, through
// the composition root (library.cpp). Unregistered points do nothing.
#pragma once

#include <cstdint>

namespace host {

// Step 2 of OnFrameTick: per-game state reset when the player leaves the
// game world. Called in registration order.
void RegisterGameLeftReset(void (*reset)());

// Step 4: a game-state crossing of the in-game state. `inGame` is the new
// side. Called in registration order, after the modal object is destroyed.
void RegisterScreenSwitchHook(void (*onSwitch)(bool inGame));

// Step 4: the modal slot (ModalScreen). `draw` draws the object when there
// is one and answers whether there was; `destroy` destroys it.
struct ModalSlotHooks {
  bool (*draw)() = nullptr;
  void (*destroy)() = nullptr;
};
void SetModalSlotHooks(const ModalSlotHooks& hooks);

// Step 5: draws the visible singleton windows in their draw order.
void SetSingletonDrawHook(void (*draw)());

// OnFrameDraw: draws the login dialog list after the host frame.
void SetWindowListDrawHook(void (*draw)());

// The game state as OnFrameTick last saw it (the library's copy).
int32_t LastGameState();

// Empties every registration (tests and the simulator's fresh start).
void ClearFrameHooksForTests();

}  // namespace host
