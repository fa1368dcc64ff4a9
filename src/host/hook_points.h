// Registration points for handlers whose behaviour belongs to a subsystem
// above the host layer (input, small enhancements, login, updater). Each
// handler first does what the host itself would have done; a registered
// extension then adds the library's part. Unregistered, a handler behaves
// exactly like the host code it replaced.
#pragma once

#include <cstdint>

namespace host::hooks {

// After AddMountMenuEntry / AddWrapMenuEntry added the host's entry.
inline void (*mountMenuEntry)(uint32_t menu) = nullptr;
inline void (*wrapMenuEntry)(uint32_t menu) = nullptr;
// Context-menu commands 0x1000 to 0x1003.
inline void (*menuCommand)(int32_t command) = nullptr;
// Interface-button commands 1000 to 1018.
inline void (*actionButton)(int32_t command) = nullptr;

// The five captured host buttons: `adjust` may change the construction
// arguments before the host builds the button; `built` sees the result.
struct ButtonArgs {
  int32_t x, y, image, pressed;
  uint32_t parent;
  int32_t command;
  const char* tooltip;
  int32_t zero;
};
inline void (*captureButton)(int which, uint32_t button, ButtonArgs& args) = nullptr;

// After the side panel's child was added (panel, its parent).
inline void (*actionBarCreated)(uint32_t panel, uint32_t panelParent) = nullptr;
// After the host login dialog's child was added / after the host logged in.
inline void (*loginWindowCreated)(uint32_t dialog) = nullptr;
inline void (*loginSubmitted)(const char* account, const char* password) = nullptr;

// A typed character; answers true when the library took it.
inline bool (*typedChar)(int32_t character) = nullptr;

// A window the host created (after CreateWindowExA succeeded).
inline void (*windowCreated)(uintptr_t window, const char* className, int32_t width,
                             int32_t height, uintptr_t parent) = nullptr;

// The load gate: answers true when it took over (the updater is shown and
// will run the host's load sequence itself later).
inline bool (*loadGate)() = nullptr;

}  // namespace host::hooks

namespace host {
// The host's own load sequence before it loads its data files.
void RunHostLoadSequence();
}  // namespace host
