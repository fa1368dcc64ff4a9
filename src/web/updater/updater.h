// The updater: before the host loads its data files, they are compared with
// the operator's update service (a version file of five CRC-32 values) and
// every file that is missing or differs is downloaded, shown in the "Ardun
// Patch Updater" window; when anything was replaced the client is started
// anew and this process ends.
#pragma once

#include <cstdint>

namespace updater {

// Starts the version check: only when idle or finished.
void StartVersionCheck();

// The load gate before the host loads its data files: true when the updater
// took over (it runs the host's load sequence itself when it closes without
// a restart); false when the host loads at once.
bool LoadGate();

// The updater handler (a GUI_Handler): the codes of updater_state.h.
void OnUpdaterEvent(int32_t code, int32_t value);

// Called by the updater element each time the window is drawn.
void OnUpdaterDrawn();

// Wires the version check (main window, leaving the game) and the load gate.
// Called once at attach.
void Install();

}  // namespace updater
