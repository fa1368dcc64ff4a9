// The library as its backends see it.
#pragma once

#include <cstdint>

namespace quorlan {

// The DLL entry point's work (both backends call it from their DllMain):
// for process attach, wires the subsystems once and runs the start-up
// sequence; for any other reason nothing. Always returns 1.
int32_t DllMainBody(uint32_t module, uint32_t reason, uint32_t reserved);

}  // namespace quorlan
