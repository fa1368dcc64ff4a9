// Functions of the loaded DLL found by name in its COFF symbol table (a
// MinGW build keeps one unless stripped). The host needs exactly one: a
// function of the DLL's own C++ runtime that raises an exception, so that a
// read the simulated host refuses (past the end of a server message) fails
// inside the library as it does in the simulator, where the core sees that
// read throw.
#pragma once

#include <cstdint>
#include <string>

namespace sim::dll_host {

// The address of `name` (its decorated name, e.g. "__ZSt16__throw_bad_castv")
// in the image of the DLL file `path` mapped at `base`; 0 when the file has
// no symbol table or no such symbol.
uint32_t FindDllSymbol(const std::string& path, uint32_t base, const std::string& name);

// The function the gate enters to raise the refused read inside the library
// (std::__throw_bad_cast of the DLL's runtime: no arguments, never returns).
void SetLibraryRaise(uint32_t address);

}  // namespace sim::dll_host
