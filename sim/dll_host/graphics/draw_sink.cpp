// The graphics objects' records go to the running scenario's host, beside
// the host's own drawing calls of the frame.
#include "sim/dll_host/graphics/texture_record.h"
#include "sim/dll_host/session.h"

namespace sim::dll_host::graphics {

void PushDraw(DrawCall call) { MachineHost().Draws().push_back(std::move(call)); }

}  // namespace sim::dll_host::graphics
