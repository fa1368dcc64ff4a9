// Values written in scenario lines: numbers, message fields and byte
// strings, and their printed forms for failure reports.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/scenario/script.h"

namespace sim::scenario {

// A number token: decimal (optionally negative) or hexadecimal with 0x.
// Throws ScriptError when the word is not a number or does not fit in
// [minimum, maximum].
int64_t ParseInteger(const Token& token, int line, int64_t minimum, int64_t maximum);
// Unsigned 64-bit (u64 fields take the whole range).
uint64_t ParseUnsigned64(const Token& token, int line);

// A field of `width` bytes (1, 2 or 4): unsigned values, and negative
// ones down to the signed minimum in two's complement.
uint32_t ParseSized(const Token& token, int line, int width);

// "0a0bff" into bytes.
std::vector<uint8_t> ParseHexBytes(const Token& token, int line);

// Message fields from args[first] on: u8 N, u16 N, u32 N, u64 N,
// str "text", hex BYTES (little-endian; u64 low half first).
std::vector<uint8_t> EncodeFields(const std::vector<Token>& args, size_t first, int line);

// A virtual key: a number, a name (VK_RETURN, VK_ESCAPE, VK_TAB, VK_BACK,
// VK_DELETE, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR,
// VK_NEXT, VK_SHIFT, VK_CONTROL, VK_MENU, F1 .. F12) or one letter or digit
// in quotes ('A', '7').
int ParseVirtualKey(const Token& token, int line);

// Width in bytes of "u8", "u16" or "u32" (host memory commands).
int ParseWidth(const Token& token, int line);

// "0a 0b ff"
std::string HexText(const std::vector<uint8_t>& bytes);
// A text in double quotes with its unprintable bytes escaped.
std::string QuotedText(const std::string& text);

}  // namespace sim::scenario
