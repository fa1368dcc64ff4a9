// The simulated host's side of appearance drawing: its own creature drawing,
// which the library reaches through host 0x401865 (patch table entries 17 to
// 19 rebuilt the start of the host function there).
#pragma once

#include "sim/sim_host.h"

namespace sim {

// Defines host 0x401865 (x, y, third, creature) as the host's creature
// drawing. It asks the library what the real client would ask, through the
// patched host code once the library is attached: the walk phase (the CALL
// at 0x4F1379), the outfit's current width and height (0x5036A0, 0x503A00)
// and the sprite of frame group position (1, 1, 1, 1, 1) at that phase
// (0x504440). It records one HostDrawCreature:
//   surface 1, x, y, width, height, outfit {look type, 0, 0}, r g b 0,
//   display {sprite id, phase, third, 0, 0, 0, 0}.
void DefineAppearanceHostFunctions(SimHost& host);

}  // namespace sim
