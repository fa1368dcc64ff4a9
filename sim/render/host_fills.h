// Pictures for the host's numbered interface fills (HostFillRect), each a
// recognisable stand-in for the host's own artwork, stretched into the
// rectangle the way the host stretches its fills.
#pragma once

#include "sim/render/framebuffer.h"

namespace sim {

void DrawHostFill(Framebuffer& fb, const Rect& r, int element);

}  // namespace sim
