#include "web/http.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "host/host_functions.h"
#include "host/task_queue.h"
#include "platform/platform.h"

namespace web {
namespace {

constexpr char kStatusAgent[] = "StatusChecker/1.0";
// InternetOpenUrlA flags: fetch from the server even when a cached copy
// exists, and keep the answer out of the cache.
constexpr uint32_t kFlagReload = 0x80000000;
constexpr uint32_t kFlagNoCacheWrite = 0x04000000;
constexpr uint32_t kReloadFlags = kFlagReload | kFlagNoCacheWrite;

// Reads use one fixed stack buffer each: a text chunk leaves room for its NUL.
constexpr uint32_t kTextBufferSize = 4096;
constexpr uint32_t kFileBufferSize = 8192;

// ---- the hand-back ------------------------------------------------------------

struct Report {
  std::unique_ptr<DownloadRequest> request;
  bool fileReady;
};

// Runs on the main thread. One task for both codes keeps them in order
// (the queue runs newest first) and keeps the request alive for both.
void RunReport(void* first, void*) {
  const std::unique_ptr<Report> report(static_cast<Report*>(first));
  const DownloadRequest& request = *report->request;
  const auto identifier = static_cast<int32_t>(request.identifier);
  if (report->fileReady) request.handler(request.fileReadyCode, identifier);
  request.handler(request.finishedCode, identifier);
}

void PostReport(std::unique_ptr<DownloadRequest> request, bool fileReady) {
  if (request->handler == nullptr) return;
  PostToMainThread(&RunReport, new Report{std::move(request), fileReady}, nullptr);
}

// ---- the transfers ----------------------------------------------------------------

// Streams `url` into a new temporary file beside `path` (its name in
// *temporary, "" while there is none). True only when the server announced
// a length and exactly that many bytes reached the file.
bool Stream(const std::string& url, const std::string& path, const std::string& agent,
            uint32_t flags, std::string* temporary) {
  platform::Platform& os = platform::Get();
  if (!os.AttemptConnect()) return false;
  const std::unique_ptr<platform::HttpResponse> response =
      os.OpenUrl(agent, platform::kInternetOpenDirect, url, flags);
  uint32_t length = 0;
  if (!response || !Succeeded(*response) || !response->ContentLength(&length)) return false;
  // Created only for an answer that is the file: a refused or missing file
  // leaves no trace on disk, not even for a moment.
  *temporary = os.CreateTemporaryFileBeside(path);
  if (temporary->empty()) return false;
  const std::unique_ptr<platform::WritableFile> file = os.CreateBinaryFile(*temporary);
  if (!file) return false;

  char buffer[kFileBufferSize];
  uint64_t total = 0;
  for (;;) {
    uint32_t read = 0;
    // The body ended (or broke) before the announced length.
    if (!response->Read(buffer, kFileBufferSize, &read) || read == 0) return false;
    if (!file->Write(buffer, read)) return false;
    total += read;
    if (total == length) return true;
    if (total > length) return false;  // more than announced: not the file announced
  }
}

// How often a finished file is moved into place while a reader holds the
// old one open (Windows refuses to replace an open file), and the pause.
constexpr int kReplaceAttempts = 5;
constexpr uint32_t kReplacePauseMs = 20;

// Downloads `request.url` into a temporary file beside `request.path` and
// moves it into place only when it is complete, so the file at the path is
// always either the old one or the whole new one: a reader (the main thread
// loading a cached picture) never sees half a file, and a failed download
// leaves the old file as it was. The temporary file is named by the system
// (never a name a reader looks for), so one that a killed process left
// behind is never read, nor taken for a picture. True when the new file is
// in place.
bool Download(const DownloadRequest& request, const std::string& agent, uint32_t flags) {
  platform::Platform& os = platform::Get();
  std::string temporary;
  bool placed = Stream(request.url, request.path, agent, flags, &temporary);
  if (placed) {
    // On disk before the rename, so that a power loss never leaves the
    // renamed file empty or short.
    os.FlushFileToDisk(temporary);
    placed = false;
    for (int attempt = 0; attempt < kReplaceAttempts && !placed; ++attempt) {
      if (attempt > 0) os.Sleep(kReplacePauseMs);
      placed = os.MoveIntoPlace(temporary, request.path);
    }
  }
  if (!placed && !temporary.empty()) os.RemoveFile(temporary);
  return placed;
}

// Whether the server has another file than the cached one of `localSize`
// bytes: it answered, announced a length, and that length is neither 0
// nor the local size.
bool Stale(const DownloadRequest& request, const std::string& agent, uint64_t localSize) {
  const std::unique_ptr<platform::HttpResponse> response =
      platform::Get().OpenUrl(agent, platform::kInternetOpenDirect, request.url, kReloadFlags);
  uint32_t length = 0;
  return response && Succeeded(*response) && response->ContentLength(&length) && length != 0 &&
         length != localSize;
}

void DownloadBody(std::unique_ptr<DownloadRequest> request, const std::string& agent) {
  bool ready = false;
  try {
    ready = Download(*request, agent, kFlagNoCacheWrite);
  } catch (...) {
    // Out of memory on the way: a failed download, still reported.
  }
  PostReport(std::move(request), ready);
}

void RevalidateBody(std::unique_ptr<DownloadRequest> request, const std::string& agent) {
  bool ready = false;
  try {
    uint64_t size = 0;
    platform::Platform& os = platform::Get();
    // The stale file stays in place until its replacement is complete.
    if (os.FileSize(request->path, &size) && size != 0 && Stale(*request, agent, size)) {
      ready = Download(*request, agent, kReloadFlags);
    }
  } catch (...) {
    // As in DownloadBody: the request is still reported as finished.
  }
  PostReport(std::move(request), ready);
}

using WorkerBody = void (*)(std::unique_ptr<DownloadRequest>, const std::string&);

void StartWorker(std::unique_ptr<DownloadRequest> request, WorkerBody body) {
  // A thread body must be copyable; the job is shared only to get there, and
  // the worker takes the request out of it.
  struct Job {
    std::unique_ptr<DownloadRequest> request;
    std::string agent;
  };
  auto job = std::make_shared<Job>(Job{std::move(request), HostUserAgent()});
  const bool started = platform::Get().StartThread([job, body] {
    body(std::move(job->request), job->agent);
    return 0u;
  });
  // No worker: the request is reported as a download that failed.
  if (!started) PostReport(std::move(job->request), false);
}

}  // namespace

bool Succeeded(platform::HttpResponse& response) {
  uint32_t status = 0;
  return response.StatusCode(&status) && status >= 200 && status < 300;
}

std::string HttpGetText(const std::string& url) {
  const std::unique_ptr<platform::HttpResponse> response = platform::Get().OpenUrl(
      kStatusAgent, platform::kInternetOpenPreconfigured, url, kReloadFlags);
  if (!response || !Succeeded(*response)) return {};
  std::string text;
  char buffer[kTextBufferSize];
  for (;;) {
    uint32_t read = 0;
    // A body that broke off is not the document: nothing rather than a part.
    if (!response->Read(buffer, kTextBufferSize - 1, &read)) return {};
    if (read == 0) return text;
    buffer[std::min(read, kTextBufferSize - 1)] = '\0';
    text.append(buffer, std::strlen(buffer));
  }
}

void HttpDownloadFile(std::unique_ptr<DownloadRequest> request) {
  DownloadBody(std::move(request), HostUserAgent());
}

void HttpRevalidateFile(std::unique_ptr<DownloadRequest> request) {
  RevalidateBody(std::move(request), HostUserAgent());
}

void StartDownload(std::unique_ptr<DownloadRequest> request) {
  StartWorker(std::move(request), &DownloadBody);
}

void StartRevalidation(std::unique_ptr<DownloadRequest> request) {
  StartWorker(std::move(request), &RevalidateBody);
}

}  // namespace web
