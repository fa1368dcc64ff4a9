// Calls into the DLL's machine code with the Windows conventions: stdcall
// (the callee removes its arguments), EBX, ESI, EDI and EBP kept for the
// caller, the direction flag clear on entry, the stack 16-byte aligned.
#pragma once

#include <cstdint>

namespace sim::dll_host::pe {

// function(a, b, c) as stdcall; returns EAX. TLS callbacks and DllMain have
// this shape (module, reason, reserved).
uint32_t CallStdcall3(uint32_t function, uint32_t a, uint32_t b, uint32_t c);

}  // namespace sim::dll_host::pe
