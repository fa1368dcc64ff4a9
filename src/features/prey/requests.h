// The prey system's client requests.
#pragma once

#include <cstdint>

namespace prey {

void RequestPreyData();                                   // 237
void RequestListReroll(uint8_t slot);                     // 235, action 0
void RequestBonusReroll(uint8_t slot);                    // 235, action 1
void RequestChooseCreature(uint8_t slot, uint8_t index);  // 235, action 2

}  // namespace prey
