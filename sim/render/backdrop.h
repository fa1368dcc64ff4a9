// The picture behind everything: a stand-in for the host's own frame (the
// game view and the host's side panel), painted where the host's renderer
// frame call would put its picture.
#pragma once

#include "sim/render/framebuffer.h"

namespace sim {

// Width of the host's side panel at the right edge of the client area.
inline constexpr int kHostSidePanelWidth = 280;

void DrawGameBackdrop(Framebuffer& fb);

}  // namespace sim
