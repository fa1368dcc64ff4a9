// The version check: the version file downloaded on a worker, then compared
// with the local data files on the main thread.
#pragma once

#include <memory>

#include "web/http.h"

namespace updater {

// The version file's download on a detached worker, as HttpDownloadFile:
// the file complete on disk reports 1004 with the request's identifier,
// then 1002; a failure only 1002 (the check then never proceeds, and the
// host loads as it always did).
void HostDownloadPlain(std::unique_ptr<web::DownloadRequest> request);

// Starts the download of the version file (state 1). Main thread.
void DownloadVersionFile();

// Reads and deletes the downloaded version file; with five valid fields
// every missing or different data file becomes pending (state 3), else
// nothing is to do (state 5), as when the file cannot be read or is no
// version file: a later check may then find a good one.
// Before comparing, the downloads a client that ended during an update
// left behind (each data file's download path + ".tmp") are deleted: no
// download runs then, and a stray copy of a data file only takes room.
void CompareWithVersionFile();

// Deletes those leftover downloads; a file that is not there stays absent.
void RemoveLeftoverDownloads();

}  // namespace updater
