#include "sim/record/record_text.h"

#include <cstdio>

#include "sim/record/crc32.h"

namespace sim::record {
namespace {

constexpr char kServerVariable[] = "${server}";

void AppendEscaped(std::string& out, char c, char next) {
  const auto u = static_cast<unsigned char>(c);
  if (c == '"' || c == '\\') {
    out += '\\';
    out += c;
  } else if (c == '\n') {
    out += "\\n";
  } else if (c == '\r') {
    out += "\\r";
  } else if (u < 0x20 || u >= 0x7F || (c == '$' && next == '{')) {
    char escaped[8];
    std::snprintf(escaped, sizeof(escaped), "\\x%02x", u);
    out += escaped;
  } else {
    out += c;
  }
}

std::string TextureLine(const DrawCall& call) {
  std::string out = "Texture(";
  // args: surface, smooth, x, y, w, h, kind.
  for (size_t i = 2; i < 6; ++i) {
    if (i > 2) out += ", ";
    out += i < call.args.size() ? std::to_string(call.args[i]) : "?";
  }
  out += ")";
  const DrawnPicture empty;
  const DrawnPicture& picture = call.picture != nullptr ? *call.picture : empty;
  out += " " + std::to_string(picture.width) + "x" + std::to_string(picture.height) + " " +
         Hex32(Crc32(picture.rgba.data(), picture.rgba.size()));
  return out;
}

}  // namespace

std::string Quoted(const std::string& text, const std::string& server) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size(); ++i) {
    if (!server.empty() && text.compare(i, server.size(), server) == 0) {
      out += kServerVariable;
      i += server.size() - 1;
      continue;
    }
    AppendEscaped(out, text[i], i + 1 < text.size() ? text[i + 1] : '\0');
  }
  return out + "\"";
}

std::string HexBytes(const std::vector<uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (uint8_t b : bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 0xF];
  }
  return out;
}

std::string Hex32(uint32_t value) {
  char text[12];
  std::snprintf(text, sizeof(text), "%08x", value);
  return text;
}

std::string DrawLine(const DrawCall& call, const std::string& server) {
  if (call.name == kTextureDraw) return TextureLine(call);
  std::string out = call.name + "(";
  for (size_t i = 0; i < call.args.size(); ++i) {
    if (i > 0) out += ", ";
    out += std::to_string(call.args[i]);
  }
  out += ")";
  if (!call.text.empty()) out += " " + Quoted(call.text, server);
  return out;
}

}  // namespace sim::record
