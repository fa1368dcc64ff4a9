// The warning shown when the player closes the client while in the game.
#pragma once

#include <cstdint>

class GUI_Dialog;

namespace enhancements {

inline constexpr int32_t kExitCommand = 0x1004;
inline constexpr int32_t kLogoutCommand = 0x1005;
inline constexpr int32_t kCancelCommand = 0x1006;

// The warning dialog while it exists, or none.
extern GUI_Dialog* ExitWarningDialog;

// Makes a new warning the modal dialog, setting the one that was modal
// aside; an older warning that is not current is destroyed first, and one
// that is current is replaced in place (its set-aside dialog stays).
void OpenExitWarning();

// The warning's three buttons (queued events: code is the command).
void OnExitWarningCommand(int32_t code, int32_t value);

}  // namespace enhancements
