#include "protocol/message_reader.h"

#include <algorithm>
#include <stdexcept>

#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/library_data.h"

uint64_t ReadU64() {
  const uint64_t low = HostReadU32();
  const uint64_t high = HostReadU32();
  return (high << 32) | low;
}

// The library's large buffer, or (for a host buffer the library does not
// know) as much again from the message's start.
uint64_t BytesLeftInBuffer() {
  const uint64_t base = HostMessageBase();
  const uint64_t at = base + HostMessagePos();
  const uint64_t large = host::AddressOf(LargeMessageBuffer());
  const bool inLarge = base >= large && base < large + host::kLargeMessageBufferSize;
  const uint64_t end = (inLarge ? large : base) + host::kLargeMessageBufferSize;
  return at < end ? end - at : 0;
}

void RequireRoom(uint64_t count, uint64_t minBytes, const char* what) {
  if (count * minBytes > BytesLeftInBuffer()) throw std::length_error(what);
}

std::string ReadString() {
  const uint16_t length = HostReadU16();
  // A host whose byte reads do not check the buffer's end must not be led
  // past it by a length, so the string stops there.
  std::string text(static_cast<size_t>(std::min<uint64_t>(length, BytesLeftInBuffer())), '\0');
  for (char& c : text) c = static_cast<char>(HostReadU8());
  return text;
}

uint32_t ReadU8AndU16() {
  const uint32_t byte = HostReadU8();
  const uint32_t word = HostReadU16();
  return (word << 16) | byte;
}

uint32_t ReadU16SkipU16() {
  const uint32_t first = HostReadU16();
  HostReadU16();
  return first;
}
