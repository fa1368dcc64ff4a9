// The DLL's window procedures as the simulated machine calls them
// (Os::ProcedureCaller): WNDPROC is stdcall with four arguments, so the
// callee removes 16 bytes; each call is a host step with the register
// check, and a host exception inside it continues in the host.
#pragma once

#include <cstdint>

namespace sim::dll_host {

intptr_t CallDllWindowProcedure(uintptr_t procedure, uintptr_t window, uint32_t message,
                                uintptr_t wParam, intptr_t lParam);

}  // namespace sim::dll_host
