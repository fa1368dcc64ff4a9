// The composition root: wires the subsystems and features together at
// attach (their opcodes, per-game resets, window sets and commands).
#include "library.h"

#include "gui/window_sets.h"
#include "host/start_up.h"
#include "protocol/message_hooks.h"

namespace quorlan {
namespace {

void WireSubsystems() {
  // Subsystems and features register their hooks here as they are built.
  // The window manager's sets are drawn from the frame hooks.
  gui::InstallWindowSets();
  // Server messages: the dispatcher's own opcodes first; each feature then
  // adds its opcodes (protocol::RegisterOpcode) and its refresh points
  // (protocol/message_hooks.h).
  protocol::RegisterDispatcherOpcodes();
}

}  // namespace

int32_t DllMainBody(uint32_t module, uint32_t reason, uint32_t reserved) {
  if (reason == host::kProcessAttach) {
    static bool wired = false;
    if (!wired) WireSubsystems();
    wired = true;
  }
  return host::LibraryEntryPoint(module, reason, reserved);
}

}  // namespace quorlan
