// The simulated host's texture variant. The simulated host has no graphics
// interface; its texture decodes the file once, converts the pixels as the
// variant of the host's renderer kind would (so the binary alpha and the
// DirectDraw colour key look the same), and records each draw as a
// "Texture" call that the software renderer paints, scaled to the rectangle.
//
// The simulated host's renderer kind is whatever host memory holds at
// gui::kRendererKindVariable: 0 (DirectDraw) unless a scenario writes
// another value. Every kind the host has (0, 1, 2) gets this variant.
#pragma once

#include <memory>
#include <string>

#include "gui/texture/png_image.h"
#include "gui/texture/texture.h"
#include "sim/sim_host.h"

namespace sim {

// What the interface of `kind` shows of a decoded picture: red, green, blue
// and an alpha of 0 (not drawn) or 255.
DrawnPicture ShownPicture(gui::RendererKind kind, gui::DecodedImage image);

// The factory the simulator installs (gui::SetTextureFactory).
std::unique_ptr<GUI_Texture> CreateSimTexture(gui::RendererKind kind, const std::string& path);

}  // namespace sim
