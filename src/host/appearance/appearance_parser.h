// The parser of the host's appearance file (host data file 3).
//
// Layout: header 1 (u32 signature, four u16 highest ids: items, outfits,
// effects, missiles), section 1 (every record in the older encoding), header
// 2 (u32 ignored, four u16 highest ids), section 2 (every record in the
// current encoding). Item ids run from 100, the others from 1, each up to
// its category's highest id. Section 1 only has to be well formed; section 2
// fills the store.
#pragma once

#include "host/appearance/appearance_store.h"
#include "host/appearance/bounded_reader.h"

namespace appearance {

// The largest sprite list a frame group may have.
inline constexpr uint32_t kMaxGroupSprites = 16384;
// Attribute bytes read without the end byte that make a record invalid.
inline constexpr uint32_t kMaxAttributeBytes = 255;

// Parses the whole file behind `reader` into `store` and sets its loaded
// flag. Returns false, with the store left empty and not loaded, when a
// record is invalid, the file ends before its last record does, or anything
// (an allocation) fails on the way. Never throws.
bool ParseAppearances(BoundedReader& reader, AppearanceStore& store);

}  // namespace appearance
