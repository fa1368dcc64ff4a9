#include "web/news/member_scan.h"

#include <limits>

namespace news {
namespace {

constexpr size_t npos = std::string_view::npos;

bool Blank(char c) { return c == ' ' || c == '\t'; }

// The first "key": followed by `opener` (none for a number) from `from`,
// and where its value starts (just after the pattern).
size_t FindKey(std::string_view document, std::string_view key, std::string_view opener,
               size_t from, size_t* valueStart) {
  std::string pattern;
  pattern.reserve(key.size() + 3 + opener.size());
  pattern.append("\"").append(key).append("\":").append(opener);
  if (from > document.size()) return npos;
  const size_t match = document.find(pattern, from);
  if (match != npos) *valueStart = match + pattern.size();
  return match;
}

}  // namespace

Span FindObject(std::string_view document, std::string_view key, size_t from) {
  size_t value = 0;
  const size_t match = FindKey(document, key, "{", from, &value);
  if (match == npos) return {};
  const size_t brace = value - 1;
  const size_t close = document.find('}', value);
  return {brace, close == npos ? document.size() : close, true};
}

Span FindList(std::string_view document, std::string_view key, size_t from) {
  size_t value = 0;
  if (FindKey(document, key, "[", from, &value) == npos) return {};
  return {value, document.size(), true};
}

size_t FindTextValue(std::string_view document, std::string_view key, const Span& within) {
  size_t value = 0;
  const size_t match = FindKey(document, key, "\"", within.begin, &value);
  if (match == npos || match >= within.end) return npos;
  return value;
}

bool ReadText(std::string_view document, std::string_view key, const Span& within,
              std::string* out) {
  const size_t value = FindTextValue(document, key, within);
  if (value == npos) return false;
  const size_t quote = document.find('"', value);
  out->assign(document.substr(value, quote == npos ? npos : quote - value));
  return true;
}

bool ReadNumber(std::string_view document, std::string_view key, const Span& within,
                int32_t* out) {
  size_t value = 0;
  const size_t match = FindKey(document, key, "", within.begin, &value);
  if (match == npos || match >= within.end) return false;
  while (value < document.size() && Blank(document[value])) ++value;
  const size_t stop = document.find_first_of(",}", value);
  std::string_view text = document.substr(value, stop == npos ? npos : stop - value);
  const auto trimmed = [](char c) { return Blank(c) || c == '"'; };
  while (!text.empty() && trimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && trimmed(text.back())) text.remove_suffix(1);
  *out = DecimalValue(text);
  return true;
}

int32_t UnicodeEscapeAt(std::string_view text, size_t at) {
  if (at > text.size() || text.size() - at < 6 || text[at] != '\\' || text[at + 1] != 'u') {
    return -1;
  }
  int32_t code = 0;
  for (size_t i = at + 2; i < at + 6; ++i) {
    const char c = text[i];
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : -1;
    if (digit < 0) return -1;
    code = code * 16 + digit;
  }
  return code;
}

int32_t DecimalValue(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && Blank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Held at the bounds as the C library's conversion holds a 32-bit long.
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kMax + 1) value = kMax + 1;
  }
  if (negative) return static_cast<int32_t>(-value < kMin ? kMin : -value);
  return static_cast<int32_t>(value > kMax ? kMax : value);
}

}  // namespace news
