#include "protocol/message_reader.h"

#include "host/handlers.h"
#include "host/host_functions.h"

uint64_t ReadU64() {
  const uint64_t low = HostReadU32();
  const uint64_t high = HostReadU32();
  return (high << 32) | low;
}

std::string ReadString() {
  std::string text(HostReadU16(), '\0');
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
