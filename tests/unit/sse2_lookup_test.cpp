// The SSE2 lookups against a plain walk of the same host table.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "host/handlers.h"
#include "host/host_memory.h"
#include "host/sse2_lookup.h"
#include "sim/address_space.h"
#include "sim/simulator.h"

namespace {

using namespace host::lookup;
using Entry = std::array<uint32_t, kEntryWords>;

// Builds the host's table from entries; chains are given by each entry's
// word 27 and the bucket heads.
class HostTable {
 public:
  HostTable() {
    for (int b = 0; b < kBuckets; ++b) host::Write<int32_t>(kBucketHeads + b * 4, -1);
  }
  void Set(std::vector<Entry> entries, const std::array<int32_t, kBuckets>& heads) {
    entries_ = std::move(entries);
    const uint32_t base = sim::AddressSpace::Allocate(
        static_cast<uint32_t>(entries_.size() * sizeof(Entry)) + 4);
    for (size_t i = 0; i < entries_.size(); ++i) {
      for (uint32_t w = 0; w < kEntryWords; ++w) {
        host::Write<uint32_t>(base + static_cast<uint32_t>(i * sizeof(Entry)) + w * 4, entries_[i][w]);
      }
    }
    host::Write<uint32_t>(kEntryArrayPtr, base);
    host::Write<int32_t>(kEntryCount, static_cast<int32_t>(entries_.size()));
    for (int b = 0; b < kBuckets; ++b) host::Write<int32_t>(kBucketHeads + b * 4, heads[b]);
  }
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
};

// The plain walk, written from the rule and not from the SSE2 code.
template <typename Match>
int32_t Reference(const HostTable& t, uint32_t bucket, Match match) {
  int32_t index = host::Read<int32_t>(kBucketHeads + bucket * 4);
  const auto count = static_cast<int32_t>(t.entries().size());
  for (int32_t steps = 0; index != -1; ++steps) {
    if (steps > count || index < 0 || index >= count) return -1;
    if (match(t.entries()[index])) return index;
    index = static_cast<int32_t>(t.entries()[index][kNextWord]);
  }
  return -1;
}

int32_t RefA(const HostTable& t, int32_t k) {
  return Reference(t, static_cast<uint32_t>(k) % 100, [&](const Entry& e) {
    return e[3] == 1 && e[4] == static_cast<uint32_t>(k) && e[5] == 0;
  });
}
int32_t RefB(const HostTable& t, int32_t a, int32_t b, const uint32_t* block) {
  return Reference(t, (static_cast<uint32_t>(a) + static_cast<uint32_t>(b)) % 100, [&](const Entry& e) {
    if (e[3] != 1 || e[4] != static_cast<uint32_t>(a) || e[5] != static_cast<uint32_t>(b)) return false;
    for (int i = 0; i < 12; ++i) {
      if (e[6 + i] != block[i]) return false;
    }
    return true;
  });
}
int32_t RefC(const HostTable& t, int32_t a, int32_t b, int32_t c) {
  const uint32_t bucket =
      (static_cast<uint32_t>(a) + static_cast<uint32_t>(b) + static_cast<uint32_t>(c)) % 100;
  return Reference(t, bucket, [&](const Entry& e) {
    return e[3] == 2 && e[18] == static_cast<uint32_t>(a) && e[19] == static_cast<uint32_t>(b) &&
           e[20] == static_cast<uint32_t>(c);
  });
}

class Sse2Lookup : public ::testing::Test {
 protected:
  sim::Simulator simulator;
};

TEST_F(Sse2Lookup, MatchesThePlainWalkOnRandomChains) {
  std::mt19937 random(42);
  HostTable table;
  std::vector<Entry> entries(300);
  std::array<int32_t, kBuckets> heads;
  heads.fill(-1);
  // Small key ranges so that keys collide, partial matches abound and some
  // buckets stay empty.
  for (size_t i = 0; i < entries.size(); ++i) {
    Entry& e = entries[i];
    e.fill(0);
    e[3] = 1 + random() % 2;
    e[4] = random() % 150;
    e[5] = random() % 3 == 0 ? 0 : random() % 4;
    for (int w = 6; w < 18; ++w) e[w] = random() % 2;
    e[18] = random() % 20;
    e[19] = random() % 20;
    e[20] = random() % 20;
    const uint32_t bucket = random() % 60;  // buckets 60..99 stay empty
    e[kNextWord] = static_cast<uint32_t>(heads[bucket]);
    heads[bucket] = static_cast<int32_t>(i);
  }
  table.Set(entries, heads);
  for (int32_t k = 0; k < 200; ++k) EXPECT_EQ(LookupSse2A(k), RefA(table, k)) << k;
  for (int32_t a = 0; a < 150; a += 7) {
    for (int32_t b = 0; b < 4; ++b) {
      const Entry& sample = entries[(a * 4 + b) % entries.size()];
      EXPECT_EQ(LookupSse2B(a, b, &sample[6]), RefB(table, a, b, &sample[6])) << a << "," << b;
      const int32_t exact = LookupSse2B(static_cast<int32_t>(sample[4]),
                                        static_cast<int32_t>(sample[5]), &sample[6]);
      EXPECT_EQ(exact, RefB(table, static_cast<int32_t>(sample[4]), static_cast<int32_t>(sample[5]),
                            &sample[6]));
    }
  }
  for (int32_t a = 0; a < 20; a += 3) {
    for (int32_t b = 0; b < 20; b += 5) {
      for (int32_t c = 0; c < 20; c += 2) EXPECT_EQ(LookupSse2C(a, b, c), RefC(table, a, b, c));
    }
  }
}

TEST_F(Sse2Lookup, ACycleLongerThanTheEntryCountEnds) {
  HostTable table;
  std::vector<Entry> entries(4);
  for (size_t i = 0; i < entries.size(); ++i) {
    entries[i].fill(0);
    entries[i][3] = 1;
    entries[i][4] = 1000 + static_cast<uint32_t>(i);  // no entry matches key 7
    entries[i][kNextWord] = static_cast<uint32_t>((i + 1) % entries.size());
  }
  std::array<int32_t, kBuckets> heads;
  heads.fill(-1);
  heads[7] = 0;
  table.Set(entries, heads);
  EXPECT_EQ(LookupSse2A(7), -1);
  EXPECT_EQ(LookupSse2A(7), RefA(table, 7));
  // A next index outside the array ends the walk instead of reading past it.
  entries[2][kNextWord] = 9999;
  table.Set(entries, heads);
  EXPECT_EQ(LookupSse2A(7), -1);
}

}  // namespace
