// What the Win32 layer needs to know about the loaded quorlan.dll. The PE
// loader implements it.
#pragma once

#include <cstdint>

namespace sim::dll_host {

// The base address the DLL was mapped at (its HMODULE); 0 before loading.
uint32_t LoadedDllBase();

}  // namespace sim::dll_host
