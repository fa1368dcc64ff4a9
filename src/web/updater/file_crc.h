// The CRC-32 of a data file as the update service computes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {
class ReadableFile;
}

namespace updater {

// The file is read in chunks of this many bytes.
inline constexpr uint32_t kCrcChunkSize = 8192;

// zlib's CRC-32 (reflected polynomial EDB88320, initial value all ones,
// final complement) of everything `file` reads from where it stands; none
// when a read fails.
std::optional<uint32_t> StreamCrc32(platform::ReadableFile& file);

// The same for the file at `path`; none when it cannot be opened or read.
std::optional<uint32_t> FileCrc32(const std::string& path);

}  // namespace updater
