// OnCallSite55A147: replaces the host's sprintf call at 0x55A147.
#include "protocol/experience_print.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "host/handlers.h"
#include "protocol/digit_grouping.h"
#include "protocol/shared_values.h"

namespace protocol {

std::string ExperienceAwareNumber(int32_t value, uint64_t experience) {
  if (static_cast<uint32_t>(value) == static_cast<uint32_t>(experience)) {
    return GroupDigits(experience);
  }
  if (value < 1000) return std::to_string(value);
  return GroupDigits(static_cast<uint64_t>(value));
}

}  // namespace protocol

// REQUIRES: `buffer` has room for the text. For "%d" that is up to 26
// characters and the zero (the grouped 64-bit experience).
int32_t OnCallSite55A147(char* buffer, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int32_t written = 0;
  if (std::strcmp(format, "%d") == 0) {
    const int32_t value = va_arg(args, int32_t);
    const std::string text =
        protocol::ExperienceAwareNumber(value, protocol::LastPlayerStatistics().experience);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    written = static_cast<int32_t>(text.size());
  } else {
    written = std::vsprintf(buffer, format, args);
  }
  va_end(args);
  return written;
}
