// Maps a validated PE image into this process and relocates it when it
// cannot have its preferred base.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "sim/dll_host/pe/image_view.h"
#include "sim/dll_host/pe/pe_image.h"

namespace sim::dll_host::pe {

// Reserves SizeOfImage (page-aligned) at ImageBase, or anywhere when that
// range is taken, readable, writable and executable throughout (the host is
// a simulator: no section protections), zeroed; copies the headers and each
// section's raw bytes (what lies beyond them stays zero). The mapping lives
// until the process ends: threads of the DLL may run as long. False with a
// message naming `path` when no memory can be had.
bool MapImage(std::span<const uint8_t> file, const PeImage& image, const std::string& path,
              ImageView* out, std::string* error);

// Applies the base relocations for the difference between where `view` lies
// and the image's preferred base (nothing to do when they match). Refuses
// relocation types other than HIGHLOW and ABSOLUTE, entries outside the
// image, and a moved image without relocations.
bool Relocate(ImageView& view, const PeImage& image, const std::string& path, std::string* error);

}  // namespace sim::dll_host::pe

namespace sim::dll_host::pe {

// Gives back the memory of an image that failed to load (nothing of it ran).
void UnmapImage(const ImageView& view);

}  // namespace sim::dll_host::pe
