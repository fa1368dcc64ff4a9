#include "web/updater/file_download.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>

#include "host/task_queue.h"
#include "platform/platform.h"
#include "web/http.h"
#include "web/updater/data_files.h"
#include "web/updater/updater.h"
#include "web/updater/updater_state.h"

namespace updater {
namespace {

constexpr uint32_t kChunkSize = 8192;
// InternetOpenUrlA: keep the answer out of WinINet's cache.
constexpr uint32_t kNoCacheWrite = 0x04000000;

// What a worker ends with, delivered by one task so that the outcome and
// the request's end (1002) keep their order in the last-in first-out queue.
enum class Outcome : uint8_t { Complete, Broke, Failed };

struct Ending {
  Outcome outcome;
  DownloadFailure failure;
  int index;
  int32_t percent;  // how far the file came (-1: no data)
};

void* AsPointer(intptr_t value) { return reinterpret_cast<void*>(value); }
intptr_t AsValue(void* pointer) { return reinterpret_cast<intptr_t>(pointer); }

void DeliverProgress(void* value, void*) {
  OnUpdaterEvent(codes::kProgress, static_cast<int32_t>(AsValue(value)));
}

void DeliverConnecting(void* index, void*) {
  OnUpdaterEvent(codes::kConnecting, static_cast<int32_t>(AsValue(index)));
}

void DeliverEnding(void* packed, void*) {
  const Ending ending = *static_cast<const Ending*>(packed);
  delete static_cast<Ending*>(packed);
  switch (ending.outcome) {
    case Outcome::Complete: OnUpdaterEvent(codes::kFileComplete, ending.index); break;
    case Outcome::Broke:
      // The progress tasks were posted before this one and so run after it,
      // once the download is over: the bar is left where the file came.
      if (ending.percent >= 0) {
        OnUpdaterEvent(codes::kProgress, ending.percent * 65536 + ending.index);
      }
      OnUpdaterEvent(codes::kDownloadBroke, ending.index);
      break;
    case Outcome::Failed:
      // On the main thread, where the updater window waits behind it.
      ShowFailureMessage(ending.failure);
      OnUpdaterEvent(codes::kClose, 1);
      break;
  }
  OnUpdaterEvent(codes::kRequestDone, ending.index);
}

void PostEnding(Outcome outcome, DownloadFailure failure, int index, int32_t percent = -1) {
  PostToMainThread(&DeliverEnding, new Ending{outcome, failure, index, percent}, nullptr);
}

// received / total as a whole percent; an empty file is complete at once.
int32_t Percent(uint64_t received, uint64_t total) {
  if (total == 0) return 100;
  return static_cast<int32_t>(received * 100 / total);
}

struct Transfer {
  Outcome outcome = Outcome::Broke;
  DownloadFailure failure = DownloadFailure::Connect;
  int32_t percent = -1;
};

Transfer Failed(DownloadFailure failure) { return {Outcome::Failed, failure, -1}; }
Transfer BrokeAt(int32_t percent) { return {Outcome::Broke, DownloadFailure::Connect, percent}; }

// Streams the file into `temporary`; the file is closed when this returns.
Transfer Stream(const FileDownloadJob& job, const std::string& temporary) {
  platform::Platform& os = platform::Get();
  const std::unique_ptr<platform::WritableFile> file = os.CreateBinaryFile(temporary);
  if (!file) return Failed(DownloadFailure::TemporaryFile);
  if (!os.AttemptConnect()) return Failed(DownloadFailure::NoInternet);
  platform::UrlOpenFailure opened = platform::UrlOpenFailure::None;
  const std::unique_ptr<platform::HttpResponse> response =
      os.OpenUrl(job.agent, platform::kInternetOpenDirect, job.url, kNoCacheWrite, &opened);
  if (!response) {
    return Failed(opened == platform::UrlOpenFailure::Session ? DownloadFailure::Session
                                                              : DownloadFailure::Connect);
  }
  // An error page is no data file: it must never take a data file's place.
  if (!web::Succeeded(*response)) return Failed(DownloadFailure::Connect);
  uint32_t total = 0;
  if (!response->ContentLength(&total)) return Failed(DownloadFailure::NoLength);
  PostToMainThread(&DeliverConnecting, AsPointer(job.index), nullptr);

  const auto buffer = std::make_unique<char[]>(kChunkSize);
  uint64_t received = 0;
  int32_t percent = -1;
  while (received < total) {
    uint32_t read = 0;
    // A body that ends or breaks before the announced length: tried again.
    if (!response->Read(buffer.get(), kChunkSize, &read) || read == 0) return BrokeAt(percent);
    const uint32_t wanted = static_cast<uint32_t>(std::min<uint64_t>(read, total - received));
    if (!file->Write(buffer.get(), wanted)) return BrokeAt(percent);
    received += wanted;
    percent = Percent(received, total);
    PostToMainThread(&DeliverProgress, AsPointer(percent * 65536 + job.index), nullptr);
  }
  return {Outcome::Complete, DownloadFailure::Connect, 100};
}

void RunFileDownload(const FileDownloadJob& job) {
  const std::string temporary = TemporaryPath(job.path);
  Transfer transfer = Stream(job, temporary);
  platform::Platform& os = platform::Get();
  // On disk before any rename puts it in place: after a power loss the
  // renamed file must not turn out empty or short.
  if (transfer.outcome == Outcome::Complete) os.FlushFileToDisk(temporary);
  // The running file is moved into place on the main thread, once the old
  // one is moved aside; every other file replaces its old one here.
  if (transfer.outcome == Outcome::Complete && job.index != kRunningFileIndex &&
      !os.MoveIntoPlace(temporary, job.path)) {
    transfer = Failed(DownloadFailure::Replace);
  }
  if (transfer.outcome != Outcome::Complete) os.RemoveFile(temporary);
  PostEnding(transfer.outcome, transfer.failure, job.index, transfer.percent);
}

}  // namespace

const char* FailureText(DownloadFailure failure) {
  switch (failure) {
    case DownloadFailure::TemporaryFile:
    case DownloadFailure::Replace: return "Permission denied - failed to download file.";
    case DownloadFailure::NoInternet: return "Internet connection is not available.";
    case DownloadFailure::Session: return "Failed to open internet connetion.";
    case DownloadFailure::Connect: return "Failed to connect to update service.";
    case DownloadFailure::NoLength: return "Failed to get content length.";
  }
  return "";
}

void ShowFailureMessage(DownloadFailure failure) {
  constexpr uint32_t kErrorIcon = 0x10;  // MB_ICONERROR
  platform::Get().ShowMessageBox(FailureText(failure), DisplayName(1), kErrorIcon);
}

std::string TemporaryPath(const std::string& path) { return path + ".tmp"; }

void StartFileDownload(FileDownloadJob job) {
  const int index = job.index;
  auto shared = std::make_shared<FileDownloadJob>(std::move(job));
  const bool started = platform::Get().StartThread([shared] {
    try {
      RunFileDownload(*shared);
    } catch (...) {
      // Out of memory on the way: the download is tried again.
      try {
        PostEnding(Outcome::Broke, DownloadFailure::Connect, shared->index);
      } catch (...) {
      }
    }
    return 0u;
  });
  if (!started) PostEnding(Outcome::Broke, DownloadFailure::Connect, index);
}

}  // namespace updater
