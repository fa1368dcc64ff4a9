// Inspection of the patch table as the library applies it.
#pragma once

#include <ostream>

#include "host/patch_table.h"

namespace sim {

// One line per entry written: ENTRY ADDRESS BYTES [TARGET].
std::string DescribePatch(const host::PatchEntry& entry);

// Starts a fresh simulated host (with or without SSE2) and prints every
// entry the start-up sequence writes, in the order applied.
void DumpPatches(bool sse2, std::ostream& out);

}  // namespace sim
