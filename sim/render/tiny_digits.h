// A 3 x 5 pixel hexadecimal digit set for labels that must fit where no
// real font does: tier badges, object ids on placeholder tiles, fill numbers.
#pragma once

#include <cstdint>
#include <string_view>

#include "sim/render/framebuffer.h"

namespace sim {

// Width in pixels of `count` digits at `scale` (one blank column between).
int64_t TinyDigitsWidth(size_t count, int scale);
inline int64_t TinyDigitsHeight(int scale) { return 5 * static_cast<int64_t>(scale); }

// Draws the characters 0-9 and A-F of `digits` (others leave a gap) with the
// top-left corner at (x, y), each pixel a scale x scale block.
void DrawTinyDigits(Framebuffer& fb, int64_t x, int64_t y, std::string_view digits, Rgba color,
                    int scale);

// Centres the digits in `r` at the largest scale (up to `maxScale`) that fits
// with a margin of at least one pixel; draws nothing when even scale 1 does not fit.
void DrawTinyDigitsCentred(Framebuffer& fb, const Rect& r, std::string_view digits, Rgba color,
                           int maxScale);

}  // namespace sim
