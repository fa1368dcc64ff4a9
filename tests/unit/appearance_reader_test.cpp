// The bounded reader's bulk reads under the appearance parser. Its single
// values, seeks and rewinds are what the host's sprite reads use: the load
// test decides them through the host.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "host/appearance/bounded_reader.h"

namespace {

using appearance::BoundedReader;

TEST(BoundedReader, ArraysAndByteRunsAreCutAtTheEnd) {
  const std::vector<uint8_t> bytes = {1, 0, 0, 0, 2, 0, 0, 0, 3, 0};
  BoundedReader reader(bytes.data(), bytes.size());
  uint32_t values[4] = {9, 9, 9, 9};
  reader.ReadU32Array(values, 4);
  EXPECT_EQ(std::vector<uint32_t>(values, values + 4), (std::vector<uint32_t>{1, 2, 3, 0}));
  EXPECT_TRUE(reader.Overran());
  // Nothing to read into nothing: an empty pool has no storage (UBSan
  // reports a null memcpy destination even for no bytes).
  reader.ReadU32Array(nullptr, 0);
  BoundedReader empty;
  empty.ReadU32Array(nullptr, 0);
  EXPECT_FALSE(empty.Overran());

  BoundedReader text(bytes.data(), bytes.size());
  text.Seek(8);
  EXPECT_EQ(text.ReadBytes(5).size(), 2u);
  EXPECT_EQ(text.Position(), bytes.size());
}

TEST(BoundedReader, PeekedWindowsArePaddedWithZerosNearTheEnd) {
  const std::vector<uint8_t> bytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  BoundedReader reader(bytes.data(), bytes.size());
  uint8_t scratch[8];
  EXPECT_EQ(reader.Peek8(scratch)[7], 8);
  reader.Seek(7);
  const uint8_t* window = reader.Peek8(scratch);
  EXPECT_EQ(std::vector<uint8_t>(window, window + 8),
            (std::vector<uint8_t>{8, 9, 10, 0, 0, 0, 0, 0}));
  EXPECT_EQ(reader.Position(), 7u);  // peeking does not move
  reader.Skip(5);
  EXPECT_EQ(reader.Position(), bytes.size());
  EXPECT_TRUE(reader.Overran());
}

}  // namespace
