// Binds a mapped image's imports: each slot of each import address table
// gets the Win32 layer's symbol (FindImport) or, when the layer has none, a
// trap (import_traps.h). Imports by ordinal are refused: the layer knows
// symbols by name only.
#pragma once

#include <string>
#include <vector>

#include "sim/dll_host/pe/image_view.h"
#include "sim/dll_host/pe/pe_image.h"

namespace sim::dll_host::pe {

// On success *trapped lists "DLL!name" of every import bound to a trap, in
// table order. False with a message naming `path` for a malformed table or
// an ordinal import.
bool BindImports(ImageView& view, const PeImage& image, const std::string& path,
                 std::vector<std::string>* trapped, std::string* error);

}  // namespace sim::dll_host::pe
