// The details page of one creature: picture, rating, occurrence, kill
// progress, statistics, elements, loot by rarity and locations.
#pragma once

#include <cstdint>

#include "features/cyclopedia/state.h"

namespace cyclopedia {

// Draws `details` into the rectangle (the page's content area).
void DrawCreatureDetails(const CreatureDetails& details, int32_t x, int32_t y, int32_t w,
                         int32_t h);

// The three-part kill bar shared with the tracker rows: parts fill with
// the kills up to each threshold, a part with a zero threshold stays empty.
// Answers the width of one part.
int32_t DrawKillBar(uint32_t kills, const std::array<uint16_t, 3>& thresholds, int32_t x,
                    int32_t y, int32_t w, int32_t h);
// The part of such a bar under the point, or -1.
int KillBarPartAt(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py);

}  // namespace cyclopedia
