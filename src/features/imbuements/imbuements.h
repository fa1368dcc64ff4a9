// Imbuements: timed enchantments in the slots of an item. The server opens
// the imbue window with the item's slots and what can be applied (235),
// tells results (237) and the gold (238), and feeds the tracker (93); the
// library shows them and sends the player's imbue and clear requests.
#pragma once

namespace imbuements {

void ParseImbuementWindow();   // 235
void ParseImbuementResult();   // 237
void ParseImbuementTracker();  // 93

// Registers the opcodes, the gold hook of 238, panel command 1015, the
// tracker and the per-game reset. Called once at attach.
void Install();

}  // namespace imbuements
