// The host's five data files as the updater knows them: the host's file
// number, the display name the host keeps for each (also its name on the
// update service) and the two paths the host gives for it.
#pragma once

#include <cstdint>
#include <string>

namespace updater {

// Index 0 is the file the host runs from: Windows lets it be renamed but not
// replaced while it runs, so it is moved aside rather than overwritten.
inline constexpr int kRunningFileIndex = 0;
// The host's number of the version file the check downloads.
inline constexpr int32_t kVersionFileNumber = 2;

enum class PathVariant : int32_t {
  InUse = 0,     // the file the host uses
  Download = 1,  // where a download of it is written
};

int32_t HostFileNumber(int index);
// The host's display name of data file `index` (at most 63 characters).
std::string DisplayName(int index);
std::string DataFilePath(int index, PathVariant variant);

}  // namespace updater
