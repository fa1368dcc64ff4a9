// The analyzer: experience per hour and time to the next level (Exp
// Tracker), the loot collected (Drop Tracker) and the creatures killed (Kill
// Tracker), opened from the "Analytics Selector". Its data come from the
// player statistics (opcode 160) and the kill reports (opcode 243).
#pragma once

#include <cstdint>

#include "features/analyzer/experience.h"
#include "features/analyzer/tables.h"

class GUI_Window;

namespace analyzer {

// The hunt and the tables, for the process.
HuntRecord& Hunt();
LootTable& Loot();
KillTable& Kills();

// The four windows (null while closed).
extern GUI_Window* SelectorWindow;
extern GUI_Window* ExpWindow;
extern GUI_Window* DropWindow;
extern GUI_Window* KillWindow;

void ToggleSelector();
void ResetExp();
void ResetLoot();
void ResetKills();
void ResetAll();
// Destroys the four windows and empties both tables.
void CloseAll();
// Updates the open windows from the hunt and the tables.
void Refresh();

// Opcode 243.
void ParseAnalyzerKillReport();
// Opcode 160's analyzer part (registered with the dispatcher).
void OnPlayerStatistics(uint64_t experience, uint32_t level);

// Registers the opcode, the statistics hook, the per-game reset, the window
// slots and panel command 1004. Called once at attach.
void Install();

}  // namespace analyzer
