// The date and time texts of server timestamps (store history, sale ends,
// forge history): the machine's local time.
#pragma once

#include <cstdint>
#include <string>

namespace protocol {

// "" for 0; else local time as "%Y-%m-%d, %H:%M:%S", or "1997-01-01, 00:00"
// when the conversion fails.
std::string DateText(uint32_t timestamp);

}  // namespace protocol
