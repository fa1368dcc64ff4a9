// The host's functions as machine code: at each host address the library
// may call (sim/host_conventions.h) quorlan-host32 writes a CALL into one
// gate, which finds the function by the address it was called from, takes
// the arguments the host's convention passes there (the object in ECX for
// member calls), runs the simulated host's function and returns the way
// that convention returns: the caller removes cdecl arguments, the callee
// the others; a narrow result is meaningful in AL or AX only, so the rest
// of EAX is filled with garbage a careless caller would read.
#pragma once

#include <cstdint>

namespace sim {
class SimHost;
}

namespace sim::dll_host {

// Writes the gate's entry at every host function address the host has a
// convention for, and the host's code the patch table's rebuilt function
// start jumps back into (0x4F0F35). REQUIRES: host memory is mapped and the
// library is not attached yet.
void LayOutHostFunctions(SimHost& host);

}  // namespace sim::dll_host
