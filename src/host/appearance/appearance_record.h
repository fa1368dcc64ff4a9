// One appearance record of the store and the pieces it is made of.
//
// Records are plain values that refer to the store's shared pools (sprite
// ids, animators, frame durations, names) by index, so that filling a store
// of some 37,000 records costs a handful of allocations instead of one or
// more per record, and a getter reaches everything by vector indexing.
#pragma once

#include <cstdint>

namespace appearance {

enum class Category : uint8_t { Item = 0, Outfit = 1, Effect = 2, Missile = 3 };
inline constexpr int kCategoryCount = 4;

// Every record has two frame groups; only outfits fill the second one.
inline constexpr int kGroupCount = 2;
inline constexpr int kDimensionCount = 8;
inline constexpr int kAttributeCount = 12;
inline constexpr int kMarketValueCount = 5;

// Dimension bytes of a frame group.
enum Dimension : uint8_t {
  kWidth = 0,
  kHeight = 1,
  kExactSize = 2,
  kLayers = 3,
  kPatternX = 4,
  kPatternY = 5,
  kPatternZ = 6,
  kFrames = 7,
};

// A frame's display time in milliseconds, normalised when read: both are
// non-negative 32-bit values and max >= min.
struct FrameDuration {
  uint32_t min = 0;
  uint32_t max = 0;
};

// The animation of a frame group with two or more frames. Its frame
// durations are `frameCount` consecutive entries of the store's duration
// pool, starting at `firstDuration`.
struct Animator {
  bool modeZero = false;    // the file's mode byte was 0
  uint32_t loops = 0;       // the file's loop count
  uint32_t startFrame = 0;  // zero-based; a random start is resolved when read
  uint32_t firstDuration = 0;
  uint32_t frameCount = 0;
  // Derived when read (see animation.h): the length of one cycle and the
  // time from the cycle's start to the start frame.
  uint64_t cycleMillis = 0;
  uint64_t startOffsetMillis = 0;
};

inline constexpr uint32_t kNoAnimator = UINT32_MAX;

struct FrameGroup {
  uint32_t firstSprite = 0;  // index into the store's sprite pool
  uint32_t animator = kNoAnimator;
  uint16_t spriteCount = 0;  // at most 16,384
  bool present = false;      // false for a group the file did not fill
  uint8_t dims[kDimensionCount] = {};
};

// The values of attribute 33: five numbers and the record's name, kept in
// the store's market pool because most records have none.
struct MarketEntry {
  uint16_t values[kMarketValueCount] = {};
  uint32_t nameOffset = 0;  // into the store's name pool
  uint16_t nameLength = 0;
};

inline constexpr uint32_t kNoMarket = UINT32_MAX;

struct Record {
  FrameGroup groups[kGroupCount];
  uint64_t flags = 0;
  uint16_t attributes[kAttributeCount] = {100};  // a0 defaults to 100, the rest to 0
  uint32_t market = kNoMarket;

  bool HasFlag(int bit) const { return bit >= 0 && bit < 64 && ((flags >> bit) & 1) != 0; }
  void SetFlag(int bit) { flags |= uint64_t{1} << bit; }
};

}  // namespace appearance
