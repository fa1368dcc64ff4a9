#include "protocol/message_reader.h"

#include <algorithm>

#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/library_data.h"

uint64_t ReadU64() {
  const uint64_t low = HostReadU32();
  const uint64_t high = HostReadU32();
  return (high << 32) | low;
}

std::string ReadString() {
  const uint32_t length = HostReadU16();
  if (length == 0) return {};
  const uint32_t base = HostMessageBase();
  const uint32_t position = HostMessagePos();
  const protocol::StringSpan span =
      protocol::BoundedStringSpan(base, position, length, protocol::MessageBufferEnd(base));
  if (span.available == 0) return {};
  std::string text(static_cast<const char*>(host::Pointer(static_cast<uint32_t>(span.start))),
                   span.available);
  HostMessagePos() = position + span.available;
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

namespace protocol {

StringSpan BoundedStringSpan(uint32_t base, uint32_t position, uint32_t length,
                             uint64_t bufferEnd) {
  const uint64_t start = uint64_t{base} + position;
  if (start >= bufferEnd) return {start, 0};
  const uint64_t available = std::min<uint64_t>(length, bufferEnd - start);
  return {start, static_cast<uint32_t>(available)};
}

uint64_t MessageBufferEnd(uint32_t base) {
  const uint64_t bufferStart = host::AddressOf(LargeMessageBuffer());
  const uint64_t bufferEnd = bufferStart + host::kLargeMessageBufferSize;
  if (base >= bufferStart && base < bufferEnd) return bufferEnd;
  return uint64_t{base} + host::kLargeMessageBufferSize;
}

}  // namespace protocol
