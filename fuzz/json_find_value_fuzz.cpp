// libFuzzer target: web::JsonFindValue, the status bar's scan of the status
// document for "online" and "discord_online".
//
// The input is KEY, a NUL byte, then the document; an input without a NUL
// is a document (as the fetch delivers them, cut at NUL bytes) scanned for
// the two keys the status bar asks for. Whatever the bytes, the value is
// "0" when `"KEY":` does not occur, and otherwise a piece of the document
// that stands after its first occurrence behind nothing but blanks and
// double quotes, holds no ',', '}', '"' or " Players", and ends where one
// of them (or the document) begins.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "web/json_scan.h"
#include "require.h"

namespace {

using fuzz::Require;

void CheckValue(const std::string& document, const std::string& key) {
  const std::string value = web::JsonFindValue(document, key);
  const std::string pattern = "\"" + key + "\":";
  const size_t match = document.find(pattern);
  if (match == std::string::npos) {
    Require(value == "0", "a value for a key that does not occur");
    return;
  }
  Require(value.find_first_of(",}\"") == std::string::npos, "a value holding its end");
  Require(value.find(" Players") == std::string::npos, "a value holding \" Players\"");

  // Where the value stands: after the pattern, behind blanks and quotes.
  size_t start = match + pattern.size();
  while (start < document.size() && (document[start] == ' ' || document[start] == '"')) ++start;
  Require(document.compare(start, value.size(), value) == 0,
          "the value is not what follows the key's blanks and quotes");
  const std::string_view after = std::string_view(document).substr(start + value.size());
  Require(after.empty() || after.front() == ',' || after.front() == '}' || after.front() == '"' ||
              after.starts_with(" Players"),
          "the value ends before its end");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0');
  if (nul == std::string::npos) {
    CheckValue(input, "online");
    CheckValue(input, "discord_online");
  } else {
    CheckValue(input.substr(nul + 1), input.substr(0, nul));
  }
  return 0;
}
