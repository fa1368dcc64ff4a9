// The small tier badge drawn at an item's top right: a 10 x 8 picture of
// sheet 4, one per tier 1..10. The host's own items and the library's item
// cells draw it the same way.
#pragma once

#include <cstdint>

#include "host/host_functions.h"

namespace host {

inline constexpr uint32_t kMaxTier = 10;

// The badge of `tier` over a 32-pixel item picture drawn at (objectX,
// objectY); nothing for tier 0 or a tier above 10.
inline void DrawTierBadge(int32_t surface, int32_t objectX, int32_t objectY, uint32_t tier) {
  if (tier == 0 || tier > kMaxTier) return;
  HostDrawSkin(surface, objectX + 22, objectY, 4, 253 + 9 * static_cast<int32_t>(tier), 386, 10,
               8);
}

}  // namespace host
