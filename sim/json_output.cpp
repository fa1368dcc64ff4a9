#include "sim/json_output.h"

#include <cstdio>
#include <iostream>

namespace sim {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

int PrintJsonError(const std::string& message) {
  std::cout << "{\"error\": " << JsonString(message) << "}\n";
  return 1;
}

}  // namespace sim
