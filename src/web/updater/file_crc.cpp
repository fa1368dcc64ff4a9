#include "web/updater/file_crc.h"

#include <zlib.h>

#include <memory>

#include "platform/platform.h"

namespace updater {

std::optional<uint32_t> StreamCrc32(platform::ReadableFile& file) {
  const auto buffer = std::make_unique<unsigned char[]>(kCrcChunkSize);
  uLong crc = crc32(0L, Z_NULL, 0);
  for (;;) {
    uint32_t read = 0;
    if (!file.Read(buffer.get(), kCrcChunkSize, &read)) return std::nullopt;
    if (read == 0) return static_cast<uint32_t>(crc);
    crc = crc32(crc, buffer.get(), read);
  }
}

std::optional<uint32_t> FileCrc32(const std::string& path) {
  const std::unique_ptr<platform::ReadableFile> file = platform::Get().OpenBinaryFile(path);
  if (!file) return std::nullopt;
  return StreamCrc32(*file);
}

}  // namespace updater
