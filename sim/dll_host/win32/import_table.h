// The Win32 layer: the functions and data of the Windows system DLLs that
// quorlan.dll imports, implemented on POSIX and on the simulated machine
// (sim/os/sim_os.h). The PE loader binds each import through FindImport; an
// import with no entry is bound to a trap that fails the scenario with
// "unimplemented import NAME".
#pragma once

#include <span>
#include <string_view>

namespace sim::dll_host {

struct ImportSymbol {
  const char* name;     // the exported name, e.g. "CreateFileA"
  const void* address;  // the function (with the DLL's calling convention) or the data
};

// One table per system DLL, each in its own file of this folder.
std::span<const ImportSymbol> Kernel32Symbols();
std::span<const ImportSymbol> MsvcrtSymbols();
std::span<const ImportSymbol> User32Symbols();
std::span<const ImportSymbol> Shell32Symbols();
std::span<const ImportSymbol> WininetSymbols();
std::span<const ImportSymbol> OpenGl32Symbols();

// The symbol `name` of the DLL `dll` (the DLL's name in any case, with or
// without ".dll"); null when the layer has no such symbol.
const void* FindImport(std::string_view dll, std::string_view name);

}  // namespace sim::dll_host
