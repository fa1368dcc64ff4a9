#include "sim/scenario/fields.h"

#include <cctype>

#include <cstdio>
#include <limits>

namespace sim::scenario {
namespace {

const std::string& Word(const Token& token, int line, const char* what) {
  if (token.kind != Token::Kind::Word) {
    throw ScriptError(line, std::string("expected ") + what + ", got a string");
  }
  return token.text;
}

// Digits of `text` from `start` in `base`; false on a bad digit or overflow.
bool Digits(const std::string& text, size_t start, int base, uint64_t& value) {
  if (start >= text.size()) return false;
  value = 0;
  for (size_t i = start; i < text.size(); ++i) {
    const char c = text[i];
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0 || digit >= base) return false;
    if (value > (std::numeric_limits<uint64_t>::max() - digit) / base) return false;
    value = value * base + digit;
  }
  return true;
}

// The magnitude and sign of a number word.
bool Number(const std::string& text, bool& negative, uint64_t& magnitude) {
  negative = !text.empty() && text[0] == '-';
  const size_t start = negative ? 1 : 0;
  if (text.compare(start, 2, "0x") == 0 || text.compare(start, 2, "0X") == 0) {
    return Digits(text, start + 2, 16, magnitude);
  }
  return Digits(text, start, 10, magnitude);
}

void Append(std::vector<uint8_t>& out, uint64_t value, int width) {
  for (int i = 0; i < width; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

int64_t ParseInteger(const Token& token, int line, int64_t minimum, int64_t maximum) {
  const std::string& text = Word(token, line, "a number");
  bool negative = false;
  uint64_t magnitude = 0;
  if (!Number(text, negative, magnitude)) throw ScriptError(line, "not a number: " + text);
  const bool fits = negative ? magnitude <= uint64_t{1} << 63 : magnitude <= INT64_MAX;
  const int64_t value = !fits ? 0
                        : negative ? static_cast<int64_t>(0 - magnitude)
                                   : static_cast<int64_t>(magnitude);
  if (!fits || value < minimum || value > maximum) {
    throw ScriptError(line, "number out of range: " + text);
  }
  return value;
}

uint64_t ParseUnsigned64(const Token& token, int line) {
  const std::string& text = Word(token, line, "a number");
  bool negative = false;
  uint64_t magnitude = 0;
  if (!Number(text, negative, magnitude)) throw ScriptError(line, "not a number: " + text);
  if (negative) throw ScriptError(line, "number out of range: " + text);
  return magnitude;
}

uint32_t ParseSized(const Token& token, int line, int width) {
  const int bits = width * 8;
  const int64_t maximum = (int64_t{1} << bits) - 1;
  const int64_t minimum = -(int64_t{1} << (bits - 1));
  return static_cast<uint32_t>(ParseInteger(token, line, minimum, maximum) & maximum);
}

std::vector<uint8_t> ParseHexBytes(const Token& token, int line) {
  const std::string& text = Word(token, line, "hexadecimal bytes");
  if (text.size() % 2 != 0) throw ScriptError(line, "odd number of hexadecimal digits: " + text);
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < text.size(); i += 2) {
    uint64_t value = 0;
    if (!Digits(text.substr(i, 2), 0, 16, value)) {
      throw ScriptError(line, "not hexadecimal bytes: " + text);
    }
    bytes.push_back(static_cast<uint8_t>(value));
  }
  return bytes;
}

std::vector<uint8_t> EncodeFields(const std::vector<Token>& args, size_t first, int line) {
  std::vector<uint8_t> out;
  for (size_t i = first; i < args.size(); i += 2) {
    const std::string& kind = Word(args[i], line, "a field type");
    if (i + 1 >= args.size()) throw ScriptError(line, "field " + kind + " without a value");
    const Token& value = args[i + 1];
    if (kind == "u8" || kind == "u16" || kind == "u32") {
      const int width = ParseWidth(args[i], line);
      Append(out, ParseSized(value, line, width), width);
    } else if (kind == "u64") {
      Append(out, ParseUnsigned64(value, line), 8);
    } else if (kind == "str") {
      if (value.kind != Token::Kind::String) throw ScriptError(line, "str needs a quoted string");
      if (value.text.size() > 0xFFFF) throw ScriptError(line, "string longer than 65535 bytes");
      Append(out, value.text.size(), 2);
      out.insert(out.end(), value.text.begin(), value.text.end());
    } else if (kind == "hex") {
      const std::vector<uint8_t> bytes = ParseHexBytes(value, line);
      out.insert(out.end(), bytes.begin(), bytes.end());
    } else {
      throw ScriptError(line, "unknown field type: " + kind);
    }
  }
  return out;
}

int ParseWidth(const Token& token, int line) {
  const std::string& text = Word(token, line, "u8, u16 or u32");
  if (text == "u8") return 1;
  if (text == "u16") return 2;
  if (text == "u32") return 4;
  throw ScriptError(line, "expected u8, u16 or u32, got " + text);
}

std::string HexText(const std::vector<uint8_t>& bytes) {
  std::string out;
  char byte[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(byte, sizeof(byte), i == 0 ? "%02x" : " %02x", bytes[i]);
    out += byte;
  }
  return out;
}

std::string QuotedText(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (u < 0x20 || u >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\x%02x", u);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

int ParseVirtualKey(const Token& token, int line) {
  static const std::pair<const char*, int> kNames[] = {
      {"VK_RETURN", 0x0D}, {"VK_ESCAPE", 0x1B}, {"VK_TAB", 0x09},    {"VK_BACK", 0x08},
      {"VK_DELETE", 0x2E}, {"VK_LEFT", 0x25},   {"VK_RIGHT", 0x27},  {"VK_UP", 0x26},
      {"VK_DOWN", 0x28},   {"VK_HOME", 0x24},   {"VK_END", 0x23},    {"VK_PRIOR", 0x21},
      {"VK_NEXT", 0x22},   {"VK_SHIFT", 0x10},  {"VK_CONTROL", 0x11}, {"VK_MENU", 0x12},
  };
  const std::string& text = token.text;
  for (const auto& [name, key] : kNames) {
    if (text == name) return key;
  }
  if (text.size() >= 2 && text.size() <= 3 && text[0] == 'F' && std::isdigit(static_cast<unsigned char>(text[1]))) {
    const int n = std::stoi(text.substr(1));
    if (n >= 1 && n <= 12) return 0x70 + n - 1;  // VK_F1 ..
  }
  // 'A' or '7': a quoted letter or digit is its own key code.
  if (text.size() == 3 && text.front() == '\'' && text.back() == '\'') {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
    if (std::isalnum(static_cast<unsigned char>(c))) return c;
  }
  if (token.kind == Token::Kind::Word && !text.empty() &&
      (std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-')) {
    return static_cast<int>(ParseInteger(token, line, 0, 255));
  }
  throw ScriptError(line, "not a virtual key: " + text);
}

}  // namespace sim::scenario
