// The library's commands on the host's interface: the extra side-panel
// buttons (1000 to 1018) and the context-menu entries (0x1000 to 0x1003).
// Each command has its own registration point; the features register their
// commands at attach through the composition root.
#pragma once

#include <cstdint>

namespace enhancements {

inline constexpr int32_t kFirstPanelCommand = 1000;
inline constexpr int32_t kLastPanelCommand = 1018;
inline constexpr int32_t kIdlePanelCommand = 1016;  // a button that does nothing
inline constexpr int32_t kOpenAnalyzerCommand = 1004;
inline constexpr int32_t kOpenPreyCommand = 1005;
inline constexpr int32_t kOpenPreyTrackerCommand = 1006;
inline constexpr int32_t kOpenForgeCommand = 1013;
inline constexpr int32_t kOpenHotkeysCommand = 1014;
inline constexpr int32_t kOpenImbuementTrackerCommand = 1015;
inline constexpr int32_t kOpenCyclopediaCommand = 1017;
inline constexpr int32_t kOpenBestiaryTrackerCommand = 1018;
inline constexpr int32_t kFirstMenuCommand = 0x1000;
inline constexpr int32_t kLastMenuCommand = 0x1003;

using Command = void (*)();

// False for a number outside the range or one that already has an owner.
bool RegisterPanelCommand(int32_t command, Command run);
bool RegisterMenuCommand(int32_t command, Command run);

// Routes the host's panel and menu commands to the registrations. Called
// once at attach.
void InstallCommands();

// Tests: forget every registration.
void ClearCommandsForTests();

}  // namespace enhancements
