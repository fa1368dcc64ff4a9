#include "web/updater/version_check.h"

#include <memory>
#include <optional>
#include <string>

#include "host/host_functions.h"
#include "platform/platform.h"
#include "web/endpoints.h"
#include "web/http.h"
#include "web/updater/data_files.h"
#include "web/updater/file_crc.h"
#include "web/updater/file_download.h"
#include "web/updater/updater.h"
#include "web/updater/updater_state.h"
#include "web/updater/version_file.h"

namespace updater {

void HostDownloadPlain(std::unique_ptr<web::DownloadRequest> request) {
  web::StartDownload(std::move(request));
}

void DownloadVersionFile() {
  const char* path = HostDataFilePath(kVersionFileNumber, 0);
  auto request = std::make_unique<web::DownloadRequest>();
  request->url = web::CurrentEndpoints().updateService + "version.php";
  request->path = path != nullptr ? path : "";
  request->identifier = codes::kVersionRequest;
  request->handler = &OnUpdaterEvent;
  request->fileReadyCode = codes::kFileComplete;
  request->finishedCode = codes::kRequestDone;
  Updater().state = State::FetchingVersion;
  HostDownloadPlain(std::move(request));
}

void RemoveLeftoverDownloads() {
  platform::Platform& os = platform::Get();
  for (int index = 0; index < kDataFileCount; ++index) {
    os.RemoveFile(TemporaryPath(DataFilePath(index, PathVariant::Download)));
  }
}

void CompareWithVersionFile() {
  UpdaterState& u = Updater();
  platform::Platform& os = platform::Get();
  const char* path = HostDataFilePath(kVersionFileNumber, 0);
  const std::string versionPath = path != nullptr ? path : "";
  std::string text;
  const bool read = os.ReadWholeFile(versionPath, &text);
  os.RemoveFile(versionPath);
  const std::optional<VersionCrcs> crcs = read ? ParseVersionFile(text) : std::nullopt;
  // No version file: nothing to do, and a later check may find a good one.
  if (!crcs) {
    u.state = State::Finished;
    return;
  }
  u.pending.clear();
  u.updateNeeded = false;
  RemoveLeftoverDownloads();
  for (int index = 0; index < kDataFileCount; ++index) {
    const std::optional<uint32_t> local =
        FileCrc32(DataFilePath(index, PathVariant::InUse));
    if (local && *local == (*crcs)[static_cast<size_t>(index)]) continue;
    u.updateNeeded = true;
    u.pending.push_back(index);
  }
  u.state = u.pending.empty() ? State::Finished : State::FilesPending;
}

}  // namespace updater
