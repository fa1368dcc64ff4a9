// libFuzzer target: the update service's version file.
//
// The input is the file's content. A file that parses must be exactly what
// its five values print back to (leading zeros and the one line end it may
// have aside), so nothing but five plain decimals is ever taken for CRC-32
// values, and those values must parse back unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "web/updater/version_file.h"
#include "require.h"

namespace {

using fuzz::Require;

std::string Print(const updater::VersionCrcs& crcs) {
  std::string text;
  for (size_t i = 0; i < crcs.size(); ++i) {
    if (i > 0) text += ' ';
    text += std::to_string(crcs[i]);
  }
  return text;
}

// Leading zeros aside: "007" reads as 7.
std::string WithoutLeadingZeros(std::string_view text) {
  std::string out;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view field = text.substr(start, end - start);
    while (field.size() > 1 && field.front() == '0') field.remove_prefix(1);
    if (!out.empty() || start > 0) out += ' ';
    out += field;
    start = end + 1;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto crcs = updater::ParseVersionFile(text);
  if (!crcs) return 0;
  Require(size < updater::kVersionFileLimit, "a version file of 8192 bytes or more parsed");
  std::string_view body = text;
  if (body.ends_with("\r\n")) {
    body.remove_suffix(2);
  } else if (body.ends_with("\n")) {
    body.remove_suffix(1);
  }
  Require(WithoutLeadingZeros(body) == Print(*crcs), "the values do not print back to the file");
  Require(updater::ParseVersionFile(Print(*crcs)) == crcs, "the printed values parse differently");
  return 0;
}
