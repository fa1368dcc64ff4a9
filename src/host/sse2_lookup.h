// The host's chained hash table of 116-byte entries that LookupSse2A/B/C
// search (see sse2_lookup.cpp).
#pragma once

#include <cstdint>

namespace host::lookup {

inline constexpr uint32_t kBucketHeads = 0x64A5D8;   // 100 x i32, -1 = empty
inline constexpr uint32_t kEntryCount = 0x64A994;    // i32
inline constexpr uint32_t kEntryArrayPtr = 0x64A998; // u32 address of entry 0
inline constexpr int kBuckets = 100;
inline constexpr uint32_t kEntryWords = 29;          // 116 bytes
inline constexpr uint32_t kNextWord = 27;

}  // namespace host::lookup
