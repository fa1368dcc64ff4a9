// A server message as the bytes the host's parsing loop reads: the opcode,
// then little-endian numbers and strings with their u16 length.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace test_messages {

struct Message {
  explicit Message(uint8_t opcode) : bytes{opcode} {}
  Message& U8(uint8_t v) { return Put(v, 1); }
  Message& U16(uint16_t v) { return Put(v, 2); }
  Message& U32(uint32_t v) { return Put(v, 4); }
  Message& Text(const std::string& text) {
    U16(static_cast<uint16_t>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
    return *this;
  }
  Message& Put(uint32_t v, int width) {
    for (int i = 0; i < width; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    return *this;
  }
  std::vector<uint8_t> bytes;
};

}  // namespace test_messages
