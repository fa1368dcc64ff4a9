#include "protocol/date_text.h"

#include <cstdio>

#include "platform/platform.h"

namespace protocol {

std::string DateText(uint32_t timestamp) {
  if (timestamp == 0) return {};
  platform::CalendarTime t;
  if (!platform::Get().LocalTime(timestamp, &t)) return "1997-01-01, 00:00";
  char text[48];
  std::snprintf(text, sizeof(text), "%04d-%02d-%02d, %02d:%02d:%02d", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return text;
}

}  // namespace protocol
