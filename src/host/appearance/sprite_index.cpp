#include "host/appearance/sprite_index.h"

namespace appearance {
namespace {

// With every coordinate non-negative, a coordinate beyond the largest list
// gives an index beyond it too (or is multiplied away by a zero dimension),
// so limiting coordinates to one past that size changes no answer and keeps
// the index well inside 64 bits: 16,385 · 255^6 < 2^63.
constexpr int64_t kCoordinateLimit = 16385;

constexpr uint64_t Limited(int64_t coordinate) {
  return static_cast<uint64_t>(coordinate < kCoordinateLimit ? coordinate : kCoordinateLimit);
}

}  // namespace

uint32_t SpriteAt(const AppearanceStore& store, const FrameGroup& group,
                  const SpriteCoordinates& at) {
  if ((at.w | at.h | at.layer | at.x | at.y | at.z | at.frame) < 0) return 0;
  const uint8_t* d = group.dims;
  uint64_t index = Limited(at.frame);
  index = index * d[kPatternZ] + Limited(at.z);
  index = index * d[kPatternY] + Limited(at.y);
  index = index * d[kPatternX] + Limited(at.x);
  index = index * d[kLayers] + Limited(at.layer);
  index = index * d[kHeight] + Limited(at.h);
  index = index * d[kWidth] + Limited(at.w);
  if (index >= group.spriteCount) return 0;
  return store.Sprites(group)[index];
}

}  // namespace appearance
