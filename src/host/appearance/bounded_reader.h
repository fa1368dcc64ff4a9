// A little-endian reader over a byte range that never reads past its end.
//
// Reads past the end yield 0 for the missing bytes and leave the position at
// the end; a seek clamps to the end. The reader remembers that it ran short
// (`Overran`), so a parser can tell a short file from one whose values
// happen to be zero. It serves both the appearance parser and the host's
// sprite reads (DataReadU8/16/32, DataSeek, DataRewind).
//
// The bytes must stay valid while the reader is in use; the reader does not
// own them.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace appearance {

class BoundedReader {
 public:
  BoundedReader() = default;
  // REQUIRES: data points at `size` readable bytes (or size is 0).
  BoundedReader(const uint8_t* data, size_t size) : start_(data), end_(data + size), pos_(data) {}

  uint8_t ReadU8() {
    if (pos_ != end_) return *pos_++;
    overran_ = true;
    return 0;
  }
  uint16_t ReadU16() { return static_cast<uint16_t>(ReadLittleEndian<2>()); }
  uint32_t ReadU32() { return ReadLittleEndian<4>(); }

  // Reads `count` 32-bit values into `out`; values past the end are 0.
  void ReadU32Array(uint32_t* out, size_t count) {
    const size_t whole = count < Remaining() / 4 ? count : Remaining() / 4;
    if constexpr (std::endian::native == std::endian::little) {
      // memcpy wants valid pointers even for no bytes, and with nothing to
      // copy `out` may be an empty pool's null data().
      if (whole > 0) std::memcpy(out, pos_, whole * 4);
      pos_ += whole * 4;
    } else {
      for (size_t i = 0; i < whole; ++i) out[i] = ReadU32();
    }
    for (size_t i = whole; i < count; ++i) out[i] = ReadU32();
  }

  // The next `count` bytes, or as many as there are.
  std::string_view ReadBytes(size_t count) {
    const size_t available = count < Remaining() ? count : Remaining();
    std::string_view bytes(reinterpret_cast<const char*>(pos_), available);
    pos_ += available;
    if (available < count) overran_ = true;
    return bytes;
  }

  void Skip(size_t count) {
    const size_t step = count < Remaining() ? count : Remaining();
    overran_ |= step < count;
    pos_ += step;
  }

  // The next eight bytes, for decoding several fields at once: a pointer
  // into the data when eight remain, else `scratch` holding what remains
  // followed by zeros. The position stays; Skip moves it past what the
  // caller used.
  const uint8_t* Peek8(uint8_t (&scratch)[8]) const {
    if (Remaining() >= 8) return pos_;
    std::memset(scratch, 0, sizeof(scratch));
    if (Remaining() > 0) std::memcpy(scratch, pos_, Remaining());
    return scratch;
  }

  // Position = start + min(offset, size).
  void Seek(size_t offset) { pos_ = start_ + (offset < Size() ? offset : Size()); }
  void Rewind() { pos_ = start_; }

  size_t Position() const { return static_cast<size_t>(pos_ - start_); }
  size_t Size() const { return static_cast<size_t>(end_ - start_); }
  size_t Remaining() const { return static_cast<size_t>(end_ - pos_); }
  bool Overran() const { return overran_; }

 private:
  template <size_t N>
  uint32_t ReadLittleEndian() {
    uint32_t value = 0;
    if (Remaining() >= N) {
      for (size_t i = 0; i < N; ++i) value |= uint32_t{pos_[i]} << (8 * i);
      pos_ += N;
      return value;
    }
    for (size_t i = 0; i < N; ++i) value |= uint32_t{ReadU8()} << (8 * i);
    return value;
  }

  const uint8_t* start_ = nullptr;
  const uint8_t* end_ = nullptr;
  const uint8_t* pos_ = nullptr;
  bool overran_ = false;
};

inline uint16_t LoadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t LoadU32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

}  // namespace appearance
