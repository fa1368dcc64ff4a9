// The blessings indicator on the side panel, fed by the server's blessings
// status (opcode 156).
#pragma once

#include <cstdint>

namespace enhancements {

inline constexpr int32_t kBlessingsOpcode = 156;
// The indicator's tooltip with every blessing, also its first one.
inline constexpr char kAllBlessingsTooltip[] =
    "All blessings active: 7/7 (5 regular + 2 extra blessings)";

extern uint16_t BlessingMask;
extern uint8_t BlessingState;  // 3: all blessings; 2: some; anything else: none
extern uint8_t BlessingCount;  // set bits of the mask

// Opcode 156: u16 mask, u8 state.
void ParseBlessingsStatus();
// Places the indicator's rectangle in the host layout and builds a new
// blessings button for the current state on the side panel.
void UpdateBlessingsIndicator();

}  // namespace enhancements
