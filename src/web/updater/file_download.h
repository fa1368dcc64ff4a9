// The download of one data file on a detached worker thread. The worker
// writes path + ".tmp" and reports through the main-thread task queue:
// progress after every chunk (code 1003), then one outcome: the file
// complete (1004), a transfer that broke off (1005), or a failure before
// any data arrived, shown in a message box, which closes the updater (1000,
// value 1); each outcome is followed by 1002.
#pragma once

#include <cstdint>
#include <string>

namespace updater {

// Failures shown to the player, in the order the download meets them.
enum class DownloadFailure : uint8_t {
  TemporaryFile,   // the ".tmp" file cannot be created
  NoInternet,      // InternetAttemptConnect
  Session,         // InternetOpenA
  Connect,         // InternetOpenUrlA, or an answer that is not the file
  NoLength,        // no Content-Length
  Replace,         // the finished file cannot be moved into place
};
const char* FailureText(DownloadFailure failure);
// The failure's text in a message box with the error icon, captioned with
// the host's display name of data file 1 (main thread).
void ShowFailureMessage(DownloadFailure failure);

struct FileDownloadJob {
  int index = 0;
  std::string url;
  std::string path;   // the download variant of the data file's path
  std::string agent;  // the host's user agent, read on the main thread
};

// Starts the worker; a worker that cannot be started counts as a transfer
// that broke off (tried again on the next frame).
void StartFileDownload(FileDownloadJob job);

// The temporary file a download of `path` writes.
std::string TemporaryPath(const std::string& path);

}  // namespace updater
