// The cyclopedia: the bestiary (classes, creatures, a creature's details),
// the charms, the bosstiary and the boss slots in one "Cyclopedia" window,
// and the docked "Bestiary Tracker". The server sends every table; the
// windows show them and send the player's choices.
#pragma once

namespace cyclopedia {

void ParseBestiaryOverview();      // 213
void ParseBestiaryCreatureList();  // 214
void ParseBestiaryDetails();       // 215
void ParseCharms();                // 216
void ParseBestiaryChanged();       // 217
void ParseTrackerList();           // 185
void ParseBosstiaryList();         // 115
void ParseBossSlots();             // 98
void ParseBosstiaryRefresh();      // 230

// Registers the opcodes, panel commands 1017 and 1018, the tracker and the
// per-game reset. Called once at attach.
void Install();

}  // namespace cyclopedia
