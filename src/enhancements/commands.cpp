#include "enhancements/commands.h"

#include <array>
#include <cstddef>

#include "host/hook_points.h"

namespace enhancements {
namespace {

std::array<Command, kLastPanelCommand - kFirstPanelCommand + 1> panelCommands{};
std::array<Command, kLastMenuCommand - kFirstMenuCommand + 1> menuCommands{};

template <size_t N>
bool Register(std::array<Command, N>& table, int32_t first, int32_t command, Command run) {
  if (run == nullptr || command < first || command >= first + static_cast<int32_t>(N)) return false;
  Command& slot = table[command - first];
  if (slot != nullptr) return false;
  slot = run;
  return true;
}

template <size_t N>
void Run(const std::array<Command, N>& table, int32_t first, int32_t command) {
  if (command < first || command >= first + static_cast<int32_t>(N)) return;
  if (Command run = table[command - first]) run();
}

// The host layer hands over 1000..1018 (everything else went to the host's
// own handler already); 1016 is a button without an action.
void OnPanelCommand(int32_t command) {
  if (command == kIdlePanelCommand) return;
  Run(panelCommands, kFirstPanelCommand, command);
}

void OnMenuCommand(int32_t command) { Run(menuCommands, kFirstMenuCommand, command); }

}  // namespace

bool RegisterPanelCommand(int32_t command, Command run) {
  if (command == kIdlePanelCommand) return false;
  return Register(panelCommands, kFirstPanelCommand, command, run);
}

bool RegisterMenuCommand(int32_t command, Command run) {
  return Register(menuCommands, kFirstMenuCommand, command, run);
}

void InstallCommands() {
  host::hooks::actionButton = &OnPanelCommand;
  host::hooks::menuCommand = &OnMenuCommand;
}

void ClearCommandsForTests() {
  panelCommands.fill(nullptr);
  menuCommands.fill(nullptr);
}

}  // namespace enhancements
