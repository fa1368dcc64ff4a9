// The library's attachment to the host process.
#pragma once

#include <cstdint>

namespace host {

inline constexpr uint32_t kProcessAttach = 1;

// The entry point's work: for process attach the start-up sequence, for any
// other reason nothing. Always returns 1.
// REQUIRES: the backend installed the platform and the host backend.
int32_t LibraryEntryPoint(uint32_t module, uint32_t reason, uint32_t reserved);

// The two one-shot start-up threads (run on their own threads).
uint32_t HostDataThread();
uint32_t HostTuningThread();

// The ten host slots HostDataThread fills, in order, and the text's length.
inline constexpr uint32_t kHostDataSlots[] = {0x7947F8, 0x794868, 0x7948D8, 0x794948, 0x7949B8,
                                              0x794A28, 0x794A98, 0x794B04, 0x794B78, 0x794BE8};
inline constexpr uint32_t kHostDataTextSize = 21;  // 20 characters and a zero

// The 20-character text, unscrambled (for tests).
void HostDataText(char out[kHostDataTextSize]);

}  // namespace host
