// The bar that shows how much of a timed bonus is left (prey, imbuements):
// grey 35, a (148, 100, 0) fill of width x value / 90 pixels (at least one
// while the value is above 0), and a black frame.
#pragma once

#include <cstdint>

namespace gui {

inline constexpr int32_t kTimeBarScale = 90;

// The value 0..90 for a percentage (clamped to 0..100 first).
int32_t TimeBarValue(int32_t percent);
// The fill's width for that value.
int32_t TimeBarFill(int32_t width, int32_t value);
void DrawTimeBar(int32_t x, int32_t y, int32_t w, int32_t h, int32_t value);

}  // namespace gui
