// How the record writes what the host saw: strings in the scenario files'
// own quoting, bytes in hexadecimal, and one line per draw call.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/sim_host.h"

namespace sim::record {

// `text` in double quotes with the escapes of scenario strings: \" \\ \n \r
// and \xHH for every other byte below 0x20 or from 0x7F. Each occurrence of
// `server` (the scenario's web server, "http://127.0.0.1:PORT", whose port
// changes from run to run) is written as the variable ${server}; a "${"
// of the text itself is written "\x24{", so the record reads back as the
// scenario language reads strings. An empty `server` replaces nothing.
std::string Quoted(const std::string& text, const std::string& server = "");

// Bytes as lowercase hexadecimal without blanks ("a00102").
std::string HexBytes(const std::vector<uint8_t>& bytes);

// A 32-bit value as 8 lowercase hexadecimal digits.
std::string Hex32(uint32_t value);

// `NAME(arg, arg, ...)`, followed by ` "text"` when the call has a text. The
// texture draw is `Texture(x, y, w, h) WxH CRC`: its rectangle, then the
// size and CRC-32 of the picture's RGBA bytes. Its other arguments (surface,
// smoothing, renderer kind) and its file path are what only the simulated
// host knows, so they are left out.
std::string DrawLine(const DrawCall& call, const std::string& server = "");

}  // namespace sim::record
