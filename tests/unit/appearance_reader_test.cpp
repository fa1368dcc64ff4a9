// The bounded reader under the appearance parser and the host's sprite reads.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "host/appearance/bounded_reader.h"

namespace {

using appearance::BoundedReader;

// A read that runs past the end keeps the bytes there are as its low bytes,
// yields 0 for the rest and leaves the position at the end.
TEST(BoundedReader, ReadsPastTheEndYieldZerosAndStopAtTheEnd) {
  const std::vector<uint8_t> bytes = {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
  for (size_t start = 0; start <= bytes.size(); ++start) {
    BoundedReader reader(bytes.data(), bytes.size());
    reader.Seek(start);
    uint32_t expected = 0;
    for (size_t i = start; i < bytes.size() && i < start + 4; ++i) {
      expected |= uint32_t{bytes[i]} << (8 * (i - start));
    }
    const bool fits = start + 4 <= bytes.size();
    EXPECT_EQ(reader.ReadU32(), expected) << "from " << start;
    EXPECT_EQ(reader.Position(), fits ? start + 4 : bytes.size()) << "from " << start;
    EXPECT_EQ(reader.Overran(), !fits) << "from " << start;
  }
  BoundedReader reader(bytes.data(), bytes.size());
  reader.Seek(bytes.size());
  EXPECT_EQ(reader.ReadU16(), 0);
  EXPECT_EQ(reader.ReadU8(), 0);
  EXPECT_EQ(reader.Position(), bytes.size());
}

TEST(BoundedReader, SeekClampsToTheEndAndRewindReturnsToTheStart) {
  const std::vector<uint8_t> bytes = {1, 2, 3, 4};
  BoundedReader reader(bytes.data(), bytes.size());
  reader.Seek(2);
  EXPECT_EQ(reader.ReadU8(), 3);
  reader.Seek(1000);
  EXPECT_EQ(reader.Position(), 4u);
  EXPECT_EQ(reader.ReadU8(), 0);
  reader.Rewind();
  EXPECT_EQ(reader.ReadU8(), 1);
}

TEST(BoundedReader, ArraysAndByteRunsAreCutAtTheEnd) {
  const std::vector<uint8_t> bytes = {1, 0, 0, 0, 2, 0, 0, 0, 3, 0};
  BoundedReader reader(bytes.data(), bytes.size());
  uint32_t values[4] = {9, 9, 9, 9};
  reader.ReadU32Array(values, 4);
  EXPECT_EQ(values[0], 1u);
  EXPECT_EQ(values[1], 2u);
  EXPECT_EQ(values[2], 3u);  // the two bytes left, zero-extended
  EXPECT_EQ(values[3], 0u);
  EXPECT_TRUE(reader.Overran());

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
