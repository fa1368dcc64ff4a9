// Small drawing helpers shared by the placeholder pictures of host fills,
// sheet regions and objects.
#pragma once

#include <cstdint>

#include "sim/render/framebuffer.h"

namespace sim {

// A button-like box: a near-black edge, then a one-pixel bevel (light on the
// top and left when raised, on the bottom and right when sunken) around a
// face with a slight vertical gradient.
void DrawBevelBox(Framebuffer& fb, const Rect& r, Rgba face, bool raised);

// A stable pseudo-random value for a pixel, for texture noise.
uint32_t NoiseAt(int64_t u, int64_t v, uint32_t seed);

// The colour with each component moved by up to +/- `amount` by the noise.
Rgba Jitter(Rgba color, int64_t u, int64_t v, uint32_t seed, int amount);

// A muted colour that stands for the number, the same on every run.
Rgba ColorForNumber(int64_t number);

// A labelled-by-colour box for a thing the renderer has no picture for: the
// number's colour, a darker edge and, when room allows, the number itself.
void DrawNumberedBox(Framebuffer& fb, const Rect& r, int64_t number, bool hatched);

}  // namespace sim
