// The version check: the version file downloaded on a worker, then compared
// with the local data files on the main thread.
#pragma once

namespace updater {

// Starts the download of the version file (state 1). Main thread.
void DownloadVersionFile();

// Reads and deletes the downloaded version file; with five valid fields
// every missing or different data file becomes pending (state 3), else
// nothing is to do (state 5). A version file that cannot be read or is no
// version file leaves the updater idle, so a later check may try again.
void CompareWithVersionFile();

}  // namespace updater
