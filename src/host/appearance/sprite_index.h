// The sprite id at a position of a frame group's sprite list.
#pragma once

#include <cstdint>

#include "host/appearance/appearance_store.h"

namespace appearance {

// Zero-based coordinates within a frame group.
struct SpriteCoordinates {
  int64_t w = 0, h = 0, layer = 0, x = 0, y = 0, z = 0, frame = 0;
};

// The host passes one-based coordinates.
constexpr int64_t ZeroBased(int32_t hostCoordinate) { return int64_t{hostCoordinate} - 1; }

// The sprite id at index ((((((frame·d6 + z)·d5 + y)·d4 + x)·d3 + layer)·d1 + h)·d0 + w),
// or 0 when that index is not below the length of the group's sprite list.
// A negative coordinate names no sprite either (0).
uint32_t SpriteAt(const AppearanceStore& store, const FrameGroup& group,
                  const SpriteCoordinates& at);

}  // namespace appearance
