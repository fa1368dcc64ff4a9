// Stand-ins for the host's own artwork that the library asks it to draw:
// item and object appearances, creature outfits, and the host's sprite
// drawing routines that the library forwards.
#pragma once

#include <cstdint>

#include "sim/render/framebuffer.h"

namespace sim {

// A size x size tile in a colour chosen by the object id, with the id on it.
void DrawObjectTile(Framebuffer& fb, int64_t x, int64_t y, int64_t size, int64_t objectId);

// A w x h tile with a figure outline in the colour (r, g, b) the host was
// given, labelled with the outfit's first value (the look type).
void DrawCreatureTile(Framebuffer& fb, const Rect& r, int64_t lookType, Rgba tint);

// One tile of an outfit picture: a figure whose head, body, legs and feet
// take the four outfit colours (each 0x00RRGGBB), shaded by the sprite id
// so that neighbouring tiles and addon layers differ. Around the figure
// the tile stays transparent.
struct OutfitColors {
  int64_t head = 0, body = 0, legs = 0, feet = 0;
};
void DrawOutfitTile(Framebuffer& fb, const Rect& r, int64_t sprite, const OutfitColors& colors);

// The host's sprite routines carry no position: the n-th call of a frame is
// shown as a small numbered tick along the top of the game view.
void DrawSpriteMark(Framebuffer& fb, int index, int64_t routine);

}  // namespace sim
