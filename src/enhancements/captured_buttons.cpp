#include "enhancements/captured_buttons.h"

#include <array>

#include "enhancements/commands.h"
#include "host/hook_points.h"
#include "host/host_texts.h"

namespace enhancements {
namespace {

constexpr int32_t kStackedX = 23;          // C and D move to this x
constexpr int32_t kLogoutImage = 301;      // B's pictures
constexpr int32_t kLogoutPressedImage = 302;

std::array<Captured, kCapturedButtonCount> captured{};

// Each capture records what the host asked for, then changes what the host
// builds: no tooltip on any of them, and the per-button changes below. The
// hotkeys button (E) opens the library's hotkeys window and carries the
// command recorded for D in its last argument.
void OnCapture(int which, uint32_t button, host::hooks::ButtonArgs& args) {
  if (which < 0 || which >= kCapturedButtonCount) return;
  captured[which] = {true, args.command};
  args.tooltip = host::HostText("");
  switch (static_cast<CapturedButton>(which)) {
    case CapturedButton::B:
      args.image = kLogoutImage;
      args.pressed = kLogoutPressedImage;
      break;
    case CapturedButton::C:
    case CapturedButton::D:
      args.x = kStackedX;
      break;
    case CapturedButton::E:
      args.command = kOpenHotkeysCommand;
      args.zero = captured[static_cast<int>(CapturedButton::D)].command;
      break;
    default:
      break;
  }
}

}  // namespace

const Captured& CapturedButtonState(CapturedButton which) {
  return captured[static_cast<int>(which)];
}

void InstallCapturedButtons() { host::hooks::captureButton = &OnCapture; }

}  // namespace enhancements
