// The library's window procedures and the hooks through which the host's
// window creation and character input reach them.
#pragma once

#include <cstdint>

namespace input {

intptr_t MainWndProc(uintptr_t window, uint32_t message, uintptr_t wParam, intptr_t lParam);
intptr_t ChildWndProc(uintptr_t window, uint32_t message, uintptr_t wParam, intptr_t lParam);

// After the host's CreateWindowExA succeeded: subclass the main window (or
// the login child window) and set up the host's interface layout.
void OnWindowCreated(uintptr_t window, const char* className, int32_t width, int32_t height,
                     uintptr_t parent);

// The host's character input: shortcuts and walking. True when taken.
bool OnCharacterTyped(int32_t character);

// Hooks the procedures above into the host layer. Called once at attach.
void Install();

}  // namespace input
