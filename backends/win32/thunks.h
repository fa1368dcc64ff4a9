// The hook thunks: entry points for handlers whose host-facing contract is
// not a plain cdecl call (member calls, stdcall, tail jumps into host code,
// register-preserving hooks). Each one adapts the contract and calls the
// core function of the same name; thunks.cpp documents each contract.
#pragma once

#include <cstdint>

#include "host/handler_registry.h"

namespace win32 {

// The address the patch table writes for `id` when the handler needs a
// thunk, else 0 (the core function is called directly). For the tail-jump
// thunks this also fixes their continuation from host::Info(id), so it must
// be called before the thunk's address is written into host code.
uint32_t ThunkAddress(host::Handler id);

}  // namespace win32
