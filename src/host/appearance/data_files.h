// The host's data files that the library maps itself: the sprite file (host
// data file 4), which stays mapped for the host's sprite reads, and the
// appearance file (data file 3), mapped only while LoadDataFiles parses it.
// Main thread only.
#pragma once

#include "host/appearance/bounded_reader.h"

namespace appearance {

inline constexpr int kAppearanceFile = 3;
inline constexpr int kSpriteFile = 4;

// The host's load-error codes for the two files.
inline constexpr int32_t kAppearanceFileError = 4;
inline constexpr int32_t kSpriteFileError = 5;

// Maps the sprite file, then maps and parses the appearance file into the
// store (copying its first 32-bit value into the host). Returns 0 on
// success or the host's error code for the file that failed. Never throws.
int32_t MapAndParseDataFiles();

// The reader over the mapped sprite file (empty while it is not mapped).
BoundedReader& SpriteReader();

// Unmaps both files (the window's destruction calls this).
void UnmapDataFiles();

}  // namespace appearance
