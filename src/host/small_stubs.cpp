// Two tiny replacements of host code.
#include "host/handlers.h"

// The host code continues in its function at 0x571A12 with the doubled value
// as its first argument (the DLL thunk stores it back before jumping).
uint32_t DoubleFirstArgument(uint32_t first) { return first * 2; }

// Replaces the host function at 0x49FE00 entirely.
int32_t ReturnZeroStub() { return 0; }
