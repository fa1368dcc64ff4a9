#include "sim/record/file_listing.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

#include "sim/record/crc32.h"
#include "sim/record/record_text.h"

namespace sim::record {
namespace fs = std::filesystem;
namespace {

struct Content {
  uint64_t size = 0;
  uint32_t crc = 0;
};

// A file that cannot be opened (gone while the folder was read) counts as
// absent.
std::optional<Content> ReadContent(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  Content content;
  char buffer[16384];
  while (in.read(buffer, sizeof(buffer)) || in.gcount() > 0) {
    const auto got = static_cast<size_t>(in.gcount());
    content.crc = Crc32(buffer, got, content.crc);
    content.size += got;
  }
  return content;
}

}  // namespace

std::string RecordedPath(const std::string& path) {
  std::string out;
  for (const char c : path) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u >= 0x7F || c == '\\' || c == '"') {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\x%02x", u);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out;
}

std::map<std::string, FileListing::Seen> FileListing::Scan() const {
  std::map<std::string, Seen> now;
  for (const RecordedFolder& folder : folders_) {
    std::error_code error;
    fs::recursive_directory_iterator it(folder.path, error), end;
    for (; !error && it != end; it.increment(error)) {
      if (!it->is_regular_file(error)) continue;
      const std::optional<Content> content = ReadContent(it->path());
      if (!content) continue;
      const std::string relative = it->path().lexically_relative(folder.path).generic_string();
      now[folder.prefix + ":" + relative] = {content->size, content->crc};
    }
  }
  return now;
}

std::vector<std::string> FileListing::Update() {
  std::map<std::string, Seen> now = Scan();
  std::vector<std::string> lines;
  auto before = last_.begin();
  auto after = now.begin();
  // One merge of the two sorted listings.
  while (before != last_.end() || after != now.end()) {
    const bool gone = after == now.end() || (before != last_.end() && before->first < after->first);
    if (gone) {
      lines.push_back("removed " + RecordedPath(before->first));
      ++before;
      continue;
    }
    const bool same = before != last_.end() && before->first == after->first;
    if (!same || !(before->second == after->second)) {
      lines.push_back("file " + RecordedPath(after->first) + " " +
                      std::to_string(after->second.size) + " " + Hex32(after->second.crc));
    }
    if (same) ++before;
    ++after;
  }
  last_ = std::move(now);
  return lines;
}

}  // namespace sim::record
