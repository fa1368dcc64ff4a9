#include "web/updater/version_file.h"

namespace updater {
namespace {

// An unsigned decimal of at most 32 bits, digits only.
std::optional<uint32_t> ParseField(std::string_view field) {
  if (field.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > UINT32_MAX) return std::nullopt;
  }
  return static_cast<uint32_t>(value);
}

std::string_view WithoutLineEnd(std::string_view text) {
  if (text.ends_with("\r\n")) return text.substr(0, text.size() - 2);
  if (text.ends_with("\n")) return text.substr(0, text.size() - 1);
  return text;
}

}  // namespace

std::optional<VersionCrcs> ParseVersionFile(std::string_view text) {
  if (text.size() >= kVersionFileLimit) return std::nullopt;
  text = WithoutLineEnd(text);
  VersionCrcs crcs{};
  size_t start = 0;
  for (int field = 0; field < kDataFileCount; ++field) {
    const size_t space = text.find(' ', start);
    const bool last = field == kDataFileCount - 1;
    // Five fields: a space after each but the last, none after the last.
    if (last != (space == std::string_view::npos)) return std::nullopt;
    const std::optional<uint32_t> value =
        ParseField(text.substr(start, last ? std::string_view::npos : space - start));
    if (!value) return std::nullopt;
    crcs[static_cast<size_t>(field)] = *value;
    start = space + 1;
  }
  return crcs;
}

}  // namespace updater
