// Putting the downloaded running file (data file 0) in place.
#pragma once

#include <string>

namespace updater {

// The file the host runs from cannot be overwritten while it runs, only
// renamed: the file in use (`inUse`, when there is one) is moved aside to
// `aside`, replacing whatever an earlier update left there, then the
// download (`aside` + ".tmp") takes its place. When that fails the old file
// is moved back, so the host is never left without it. True when the new
// file is in place; the download is removed otherwise.
bool ReplaceRunningFile(const std::string& inUse, const std::string& aside);

}  // namespace updater
