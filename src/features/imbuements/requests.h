// The imbuement requests.
#pragma once

#include <cstdint>

namespace imbuements {

void RequestImbue(uint8_t slot, uint32_t imbuementId, bool protection);  // 213
void RequestClear(uint8_t slot);                                         // 214
void RequestCloseWindow();                                               // 215
void RequestTrackerData();                                               // 96 with 1

}  // namespace imbuements
