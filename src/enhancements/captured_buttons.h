// Five buttons of the host's own interface whose construction the library
// wraps: it remembers their command values (the side panel's "Leave the
// game" button reuses the logout button's) and builds them its own way.
#pragma once

#include <cstdint>

namespace enhancements {

enum class CapturedButton : uint8_t { A, B, C, D, E };
inline constexpr int kCapturedButtonCount = 5;

struct Captured {
  bool exists = false;
  int32_t command = 0;  // the command value the host gave the button
};

const Captured& CapturedButtonState(CapturedButton which);
// The host's logout command, as its own logout button (B) carries it.
inline int32_t CapturedLogoutCommand() { return CapturedButtonState(CapturedButton::B).command; }

// Takes over the five capture sites. Called once at attach.
void InstallCapturedButtons();

}  // namespace enhancements
