// The version check: the version file downloaded on a worker, then compared
// with the local data files on the main thread.
#pragma once

namespace updater {

// Starts the download of the version file (state 1). Main thread.
void DownloadVersionFile();

// Reads and deletes the downloaded version file; with five valid fields
// every missing or different data file becomes pending (state 3), else
// nothing is to do (state 5), as when the file cannot be read or is no
// version file: a later check may then find a good one.
void CompareWithVersionFile();

}  // namespace updater
