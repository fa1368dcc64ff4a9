// The update service's version file: one CRC-32 per data file.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace updater {

inline constexpr int kDataFileCount = 5;
// A version file this long or longer is not one.
inline constexpr size_t kVersionFileLimit = 8192;

using VersionCrcs = std::array<uint32_t, kDataFileCount>;

// The five CRC-32 values of `text`: exactly five unsigned decimal numbers
// (each below 2^32) separated by single spaces, optionally followed by one
// line end ("\n" or "\r\n"). Anything else is no version file: a field that
// is not a number would never match a local file, and every start of the
// client would then download and restart again.
std::optional<VersionCrcs> ParseVersionFile(std::string_view text);

}  // namespace updater
