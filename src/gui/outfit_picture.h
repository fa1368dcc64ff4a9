// A creature's outfit drawn as a picture in a square: the tiles of its
// appearance through the host's creature drawing, coloured from the outfit
// palette, scaled and centred. Prey slots, the prey tracker and the boosted
// creatures use it.
#pragma once

#include <cstdint>

#include "gui/draw.h"

namespace gui {

// The outfit fields the server sends with a creature, in wire order.
struct Outfit {
  uint16_t lookType = 0;
  uint8_t head = 0, body = 0, legs = 0, feet = 0;
  uint8_t addons = 0;  // bit 0 first addon, bit 1 second
};

inline constexpr int32_t kOutfitPaletteSize = 133;
// Entry `index` of the outfit palette; an index past the table reads entry 0.
Color OutfitColor(uint32_t index);

// How a picture stands: the direction it faces (the appearance's pattern x,
// one-based; 2 faces the viewer), its frame group (0 standing, 1 walking)
// and the frame of that group (one-based; past the group's frames, the
// first). An outfit without that group is drawn with its first.
struct OutfitPose {
  int32_t patternX = 2;
  uint8_t group = 0;
  int32_t frame = 1;
};

// Draws `outfit` as a `size` x `size` picture with its top left at (x, y).
// A look type of 0, or one the appearance data does not know, draws nothing.
void DrawOutfitPicture(const Outfit& outfit, int32_t x, int32_t y, int32_t size,
                       const OutfitPose& pose = OutfitPose{});

// Whether the outfit has the frame group `group` in the appearance data.
bool OutfitHasGroup(uint16_t lookType, uint8_t group);
// The frames of the outfit's group `group` (at least 1), of its first
// group when it has no such group.
int32_t OutfitFrameCount(uint16_t lookType, uint8_t group);

}  // namespace gui
