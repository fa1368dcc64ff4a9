// Pieces of the raised faces of buttons and combo boxes: tiled sheet-4 rows,
// one-pixel bevels and shaded colours.
#pragma once

#include <cstdint>

#include "gui/draw.h"

namespace gui {

inline constexpr int32_t kFaceTileWidth = 20;

// One row of face tiles, kFaceTileWidth wide and rowH high, from sheet 4 at
// (srcX, srcY) across the width. A narrower last tile takes the right-hand
// part of a tile, so the face keeps its right edge.
void FaceRow(int32_t x, int32_t y, int32_t w, int32_t rowH, int32_t srcX, int32_t srcY);

// A one-pixel bevel inside the rectangle: top and left lines in topLeft,
// then bottom and right lines in bottomRight.
void Bevel(int32_t x, int32_t y, int32_t w, int32_t h, Color topLeft, Color bottomRight);

inline Color Grey(uint8_t level) { return {level, level, level}; }

// Every component multiplied by factor, truncated and capped at 255.
Color Scaled(Color color, double factor);

}  // namespace gui
