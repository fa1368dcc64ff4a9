// Plain HTTP GET for the operator's web services, run on worker threads.
// The rules (which answers are accepted, what is posted back, what stays on
// disk) live here; the transport is the platform's (WinINet in the DLL,
// libcurl in the simulator).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/element.h"

namespace platform {
class HttpResponse;
}

namespace web {

// Whether the answer's status is a success (2xx): an error page is an
// answer too, but not the body that was asked for.
bool Succeeded(platform::HttpResponse& response);

// The body of `url` as text, cut at NUL bytes chunk by chunk; empty on any
// failure (no answer, an HTTP status other than 2xx, a read that failed).
// Blocking: call it on a worker thread only.
std::string HttpGetText(const std::string& url);

// One file to fetch. The worker owns it from the start and reports through
// the main-thread task queue: handler(fileReadyCode, identifier) when the
// file is complete on disk, then handler(finishedCode, identifier) in every
// case, both in that order from one task, which frees the request after
// the handler has seen the finished code.
struct DownloadRequest {
  std::string url;
  std::string path;     // local file, built the Windows way
  uint32_t identifier;  // the caller's; the value of both codes
  GUI_Handler handler;  // may be null: nothing is reported
  int32_t fileReadyCode;
  int32_t finishedCode;
};

// Worker bodies; they read the host's user agent on the calling thread. A
// download is accepted only with a 2xx status and a Content-Length, and
// only when exactly that many bytes arrived. It goes to a temporary file
// beside the path, which replaces the file at the path only once it is
// complete: a failed download changes nothing on disk. Revalidation keeps a
// cached file whose size the server confirms (or does not announce) and
// downloads it again otherwise, the old file staying until the new one is
// whole.
void HttpDownloadFile(std::unique_ptr<DownloadRequest> request);
void HttpRevalidateFile(std::unique_ptr<DownloadRequest> request);

// Starts a detached worker that runs one of the bodies above. The host's
// user agent is read here, on the caller's thread, so the worker touches
// nothing but its request, its file and the network.
void StartDownload(std::unique_ptr<DownloadRequest> request);
void StartRevalidation(std::unique_ptr<DownloadRequest> request);

}  // namespace web
