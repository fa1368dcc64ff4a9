// The simulator's software renderer: turns the drawing calls the simulated
// host recorded during one frame into a picture of the client area.
//
// What the picture shows. The host's renderer frame call ("RendererFrame")
// stands behind everything as a dark tiled game view with the host's side
// panel, a brownish strip with inset boxes, along the right 280 pixels; a
// frame without that call starts black. "RendererFill" is a solid rectangle
// in its colour. "HostFillRect" draws a stand-in for the host's numbered
// interface art: 51 a dark grained panel (window background), 49 a lighter
// bar with a lit top edge (title bar), 43/44 small bevelled caps, 47/48/50
// ridged frame edges (left, right, bottom), 12..19 bevelled buttons (even
// numbers raised, odd numbers the pressed, sunken look), 311/312 a reddish
// close button with a cross, 313/314 a minimise button with a bar, 315/316 a
// restore button with a square, 320 diagonal grip ridges, and the title icons
// 321 (blue, diamond), 322 (green, crosshair), 344 (gold, coin), 347 (violet,
// gem); any other number is a box in a colour of its own with the number in
// small digits. "HostDrawSkin" from sheet 4 shows the toolkit's regions as
// stand-ins: check boxes (empty, or with a green tick), scroll arrows (raised,
// or sunken with the triangle moved down right when pressed), the thumb, dark
// tracks, the thin frame (dark top and left, light bottom and right lines),
// the separator, the group fill, the progress bar (dark trough, green fill),
// item slots (sunken squares), button face tiles (grey, or blue, green, red
// for the three textured styles), tier badges (gold-rimmed with the tier
// number), the summon icon (a violet disc) and the bestiary title icon (a
// brown book); anything else on any sheet is a violet checker. Texts are
// DejaVu Sans Mono in cells of exactly sim::FontAdvance(font) pixels (see
// text.h). Objects and creatures are coloured tiles labelled with the object
// id or look type; the host's position-less sprite calls are small numbered
// ticks along the top edge. "Texture" is a picture the library draws itself,
// scaled to its rectangle, its transparent pixels left out.
#pragma once

#include <vector>

#include "sim/render/framebuffer.h"
#include "sim/render/text.h"
#include "sim/sim_host.h"

namespace sim {

// Draws the calls in order into a width x height picture.
Framebuffer RenderFrame(const std::vector<DrawCall>& draws, int width, int height);
// The same with a given text renderer (tests use one without font files).
Framebuffer RenderFrame(const std::vector<DrawCall>& draws, int width, int height,
                        TextRenderer& text);

}  // namespace sim
