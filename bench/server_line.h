// A server message written as a scenario's `server` line, counting the
// bytes it will take in the host's message buffer, so a benchmark can build
// the longest list one message can carry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/library_data.h"

namespace bench {

// What one message may hold: the host's message buffer, as the library
// enlarged it.
inline constexpr size_t kMessageRoom = host::kLargeMessageBufferSize;

class ServerLine {
 public:
  // A part of a message (entries to append to one).
  ServerLine() = default;
  explicit ServerLine(uint8_t opcode) { U8(opcode); }

  ServerLine& U8(uint32_t value) { return Field("u8", value, 1); }
  ServerLine& U16(uint32_t value) { return Field("u16", value, 2); }
  ServerLine& U32(uint32_t value) { return Field("u32", value, 4); }
  ServerLine& U64(uint64_t value) { return Field("u64", value, 8); }
  // A text without quotes or backslashes (the benchmark's own names).
  ServerLine& Str(const std::string& text) {
    fields_ += " str \"" + text + "\"";
    bytes_ += 2 + text.size();
    return *this;
  }
  // Fields written as a scenario writes them, of `bytes` bytes.
  ServerLine& Raw(const std::string& fields, size_t bytes) {
    fields_ += " " + fields;
    bytes_ += bytes;
    return *this;
  }

  ServerLine& Append(const ServerLine& part) {
    fields_ += part.fields_;
    bytes_ += part.bytes_;
    return *this;
  }

  size_t Bytes() const { return bytes_; }
  std::string Line() const { return "server" + fields_ + "\n"; }

 private:
  ServerLine& Field(const char* kind, uint64_t value, size_t bytes) {
    fields_ += std::string(" ") + kind + " " + std::to_string(value);
    bytes_ += bytes;
    return *this;
  }

  std::string fields_;
  size_t bytes_ = 0;
};

// How many entries of `entryBytes` fit after `headBytes` of a message.
inline int32_t EntriesThatFit(size_t headBytes, size_t entryBytes) {
  return static_cast<int32_t>((kMessageRoom - headBytes) / entryBytes);
}

}  // namespace bench
