// CRC-32 as zlib's crc32() computes it (reflected polynomial 0xEDB88320,
// initial and final XOR 0xFFFFFFFF), written out so that both hosts (one of
// them a static i686 program without zlib) compute the record's checksums
// the same way.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sim::record {

// Continues `crc` (0 for a fresh sum) over `size` bytes at `data`.
uint32_t Crc32(const void* data, size_t size, uint32_t crc = 0);

}  // namespace sim::record
