// The prey system: three slots, each holding a creature with a bonus
// against it for a while. The server owns every rule and sends the slot
// records (232) and the time left (231); the prey window and the tracker
// show them and send the player's rerolls and choices.
#pragma once

namespace prey {

void ParsePreySlot();  // 232
void ParsePreyTime();  // 231

// Registers the opcodes, panel commands 1005 and 1006, Ctrl+Y, the tracker
// and the per-game reset. Called once at attach.
void Install();

}  // namespace prey
