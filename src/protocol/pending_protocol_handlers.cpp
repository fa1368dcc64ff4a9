// TEMPORARY: placeholders so the foundation links while the message dispatcher is
// being built. Each definition moves to its subsystem and this file
// disappears.
#include <cstdarg>
#include <cstdio>

#include "host/handlers.h"
#include "host/host_functions.h"

// ---- message dispatch --------------------------------------------------------
int32_t OpcodePump() { return HostNextOpcode(); }
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
int32_t OnCallSite55A147(char* buffer, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int written = std::vsprintf(buffer, format, args);
  va_end(args);
  return written;
}

