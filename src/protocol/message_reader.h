// Reading payload fields of the incoming server message. u8, u16 and u32
// are the host's own reads (HostReadU8/U16/U32); these add the two
// composite fields of the protocol. ReadU8AndU16 and ReadU16SkipU16, which
// the host's own parser calls through the patch table, are declared with
// the other handlers in host/handlers.h.
#pragma once

#include <cstdint>
#include <string>

// Two u32 reads, low half first.
uint64_t ReadU64();

// A u16 byte length n, then n bytes taken straight from the message buffer
// (no terminator on the wire). The copy never leaves the buffer the message
// lives in: bytes that a length claims beyond its end are not read, and the
// read position then stops at that end.
std::string ReadString();

namespace protocol {

// Where the bytes of a string of `length` bytes at message offset
// `position` may be copied from, within a buffer that ends at `bufferEnd`
// (all as host addresses, measured in 64 bits so nothing wraps).
struct StringSpan {
  uint64_t start;      // host address of the first byte
  uint32_t available;  // bytes that may be copied (at most `length`)
};
StringSpan BoundedStringSpan(uint32_t base, uint32_t position, uint32_t length,
                             uint64_t bufferEnd);

// The end of the buffer that holds a message starting at `base`: the end
// of LargeMessageBuffer when base lies inside it, else base + its size.
uint64_t MessageBufferEnd(uint32_t base);

}  // namespace protocol
