// The JSON the simulator's inspection commands print (appearance, png).
#pragma once

#include <string>
#include <string_view>

namespace sim {

// A JSON string of host text: quotes, backslashes and control bytes escaped,
// bytes of 0x7F and above written as the code points of the same value, so
// the output is always valid JSON whatever the single-byte text holds.
std::string JsonString(std::string_view text);

// Prints {"error": "MESSAGE"} on standard output; returns the exit status 1.
int PrintJsonError(const std::string& message);

}  // namespace sim
