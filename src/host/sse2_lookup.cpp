// SSE2 versions of three host lookups in its chained hash table.
//
// Each walks the chain of one bucket through the next-index word (27) of the
// entries and returns the index of the first match, or -1 at the end of the
// chain, once it has stepped more times than there are entries (a damaged,
// cyclic chain), or at an index outside the entry array (where the host's
// own loop would read foreign memory). The comparisons take four 32-bit
// lanes at a time. The DLL is built for plain i686: only these functions are
// compiled for SSE2, and the patch table installs them only when CPUID
// reports SSE2.
#include <emmintrin.h>

#include "host/handlers.h"
#include "host/host_memory.h"
#include "host/sse2_lookup.h"

#define QUORLAN_SSE2 __attribute__((target("sse2")))

namespace {

using namespace host::lookup;

struct Table {
  uint32_t entries;  // host address of entry 0
  int32_t count;
};

Table CurrentTable() {
  return {host::Read<uint32_t>(kEntryArrayPtr), host::Read<int32_t>(kEntryCount)};
}

const uint32_t* Entry(const Table& table, int32_t index) {
  return static_cast<const uint32_t*>(host::Pointer(table.entries + index * kEntryWords * 4));
}

// True when the four lanes at `words` equal `expected` in the lanes of `mask`
// (bit i of mask = lane i is compared).
QUORLAN_SSE2 bool LanesEqual(const uint32_t* words, __m128i expected, int mask) {
  const __m128i actual = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words));
  const int equal = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(actual, expected)));
  return (equal & mask) == mask;
}

// Walks bucket `bucket` and returns the first index for which match() holds.
template <typename Match>
QUORLAN_SSE2 int32_t Walk(uint32_t bucket, Match match) {
  const Table table = CurrentTable();
  int32_t index = host::Read<int32_t>(kBucketHeads + bucket * 4);
  for (int32_t steps = 0; index != -1; ++steps) {
    if (steps > table.count || index < 0 || index >= table.count) return -1;
    const uint32_t* entry = Entry(table, index);
    if (match(entry)) return index;
    index = static_cast<int32_t>(entry[kNextWord]);
  }
  return -1;
}

}  // namespace

QUORLAN_SSE2 int32_t LookupSse2A(int32_t key) {
  // Words 3, 4, 5 = (kind 1, key, 0); word 6 is not compared.
  const __m128i expected = _mm_setr_epi32(1, key, 0, 0);
  return Walk(static_cast<uint32_t>(key) % kBuckets,
              [&](const uint32_t* e) QUORLAN_SSE2 { return LanesEqual(e + 3, expected, 0b0111); });
}

QUORLAN_SSE2 int32_t LookupSse2B(int32_t a, int32_t b, const uint32_t* block) {
  // Words 3, 4, 5 = (kind 1, a, b), words 6 to 17 = the 48-byte block.
  const __m128i head = _mm_setr_epi32(1, a, b, 0);
  const __m128i block0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
  const __m128i block1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 4));
  const __m128i block2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 8));
  const uint32_t bucket = (static_cast<uint32_t>(a) + static_cast<uint32_t>(b)) % kBuckets;
  return Walk(bucket, [&](const uint32_t* e) QUORLAN_SSE2 {
    return LanesEqual(e + 3, head, 0b0111) && LanesEqual(e + 6, block0, 0b1111) &&
           LanesEqual(e + 10, block1, 0b1111) && LanesEqual(e + 14, block2, 0b1111);
  });
}

QUORLAN_SSE2 int32_t LookupSse2C(int32_t a, int32_t b, int32_t c) {
  // Word 3 = kind 2; words 18, 19, 20 = (a, b, c).
  const __m128i kind = _mm_setr_epi32(2, 0, 0, 0);
  const __m128i keys = _mm_setr_epi32(a, b, c, 0);
  const uint32_t bucket =
      (static_cast<uint32_t>(a) + static_cast<uint32_t>(b) + static_cast<uint32_t>(c)) % kBuckets;
  return Walk(bucket, [&](const uint32_t* e) QUORLAN_SSE2 {
    return LanesEqual(e + 3, kind, 0b0001) && LanesEqual(e + 18, keys, 0b0111);
  });
}
