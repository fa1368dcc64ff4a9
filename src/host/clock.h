// ClockMillis (declared with the handlers) chooses its time source once.
#pragma once

namespace host {

// Forgets that choice, so the next ClockMillis call chooses again. Tests only.
void ResetClockForTests();

}  // namespace host
