// The DLL's static TLS (its .tls directory): the template every thread gets
// a copy of, the index the DLL reads its slot with, and the callbacks the
// loader runs on process and thread attach and detach.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/dll_host/pe/image_view.h"
#include "sim/dll_host/pe/pe_image.h"

namespace sim::dll_host::pe {

struct TlsLayout {
  std::vector<uint8_t> initialData;  // the template's initialised bytes
  uint32_t zeroFill = 0;             // zero bytes after them
  uint32_t index = 0;                // the slot of the thread's TLS array that is this DLL's
  std::vector<uint32_t> callbacks;   // VAs, in the order the directory lists them
};

// Reads the (relocated) TLS directory of `view` and writes the module's
// index into the DLL's _tls_index. An image without one gets an empty
// layout. False with a message naming `path` when the directory points
// outside the image.
bool ReadTls(ImageView& view, const PeImage& image, const std::string& path, TlsLayout* out,
             std::string* error);

// Runs every callback as stdcall (module, reason, 0) on the calling thread,
// which must have its thread block.
void RunTlsCallbacks(const TlsLayout& tls, uint32_t module, uint32_t reason);

}  // namespace sim::dll_host::pe
