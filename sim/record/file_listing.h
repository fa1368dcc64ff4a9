// The record's view of the scenario's folders: every regular file below
// them, by its scenario path ("user:Quorlan/Chars.acc"), with its size and
// CRC-32. Each listing names only what changed since the one before, so a
// file the library writes once appears once.
//
// The record lists files only where a scenario waits for the library's
// workers or checks files itself: worker threads may write between
// commands, at moments that differ from one host to the other.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim::record {

// A folder the scenario names as `prefix` ("user", "data", "appdata").
struct RecordedFolder {
  std::string prefix;
  std::string path;
};

class FileListing {
 public:
  explicit FileListing(std::vector<RecordedFolder> folders) : folders_(std::move(folders)) {}

  // The lines for every file that is new or changed since the last call
  // (`file user:PATH SIZE CRC`) and every file that is gone (`removed
  // user:PATH`), merged in byte order of the scenario paths.
  std::vector<std::string> Update();

 private:
  struct Seen {
    uint64_t size = 0;
    uint32_t crc = 0;
    bool operator==(const Seen&) const = default;
  };
  std::map<std::string, Seen> Scan() const;

  std::vector<RecordedFolder> folders_;
  std::map<std::string, Seen> last_;
};

// A scenario path as the record writes it: blanks, backslashes, quotes and
// the bytes the quoting escapes as \xHH, so a line splits at its blanks.
std::string RecordedPath(const std::string& path);

}  // namespace sim::record
