// The requests the forge sends to the server.
#pragma once

#include <cstdint>

#include "features/forge/state.h"

namespace forge {

void RequestFusionItems();                    // 204
void RequestFusion(const ForgeItem& item);    // 205
void RequestHistoryPage(uint32_t page);       // 207
void RequestTransferData();                   // 208
void RequestTransfer(const ForgeItem& source, const ForgeItem& target);  // 209

}  // namespace forge
