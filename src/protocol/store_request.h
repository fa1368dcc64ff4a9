// The request that opens the in-game store (250 with the byte 0). The side
// panel's store button and the store buttons of the feature windows send it.
#pragma once

namespace protocol {

void RequestStoreOpen();

}  // namespace protocol
