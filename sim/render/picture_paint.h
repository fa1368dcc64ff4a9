// The library's own pictures (textures) in the software renderer.
#pragma once

#include "sim/render/framebuffer.h"
#include "sim/sim_host.h"

namespace sim {

// Paints `picture` scaled to `r` with nearest sampling (each target pixel
// takes the source pixel under its centre); pixels of alpha 0 are left out,
// every other one is opaque. An empty rectangle or picture draws nothing.
void DrawPicture(Framebuffer& fb, const Rect& r, const DrawnPicture& picture);

}  // namespace sim
