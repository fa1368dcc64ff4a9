// Stand-ins for the imports the Win32 layer does not implement. Each is a
// few bytes of machine code of its own (push its number; call the trap), so
// that a call to it fails the scenario with "unimplemented import NAME"
// instead of jumping to 0 or returning garbage.
#pragma once

#include <cstdint>
#include <string>

namespace sim::dll_host::pe {

// The address of a new stub for the import `name` of the DLL `dll`. Stubs live until the process ends. Thread-safe.
// Returns 0 when no executable memory can be had.
uint32_t MakeImportTrap(const std::string& dll, const std::string& name);

}  // namespace sim::dll_host::pe
