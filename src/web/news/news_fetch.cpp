#include "web/news/news_fetch.h"

#include <memory>
#include <mutex>
#include <string>

#include "host/task_queue.h"
#include "platform/platform.h"
#include "web/endpoints.h"
#include "web/http.h"
#include "web/news/news_panels.h"
#include "web/news/status_scanners.h"

namespace news {
namespace {

// Main-thread state: the number of the newest fetch.
uint32_t generation = 0;

struct FetchResult {
  uint32_t generation = 0;
  bool failed = false;
  StatusNews news;
};

// Where workers leave their results for the main thread: the newest one
// that arrived and has not been taken yet. The posted task carries nothing,
// so a task still queued when the process ends holds nothing either.
struct Mailbox {
  std::mutex lock;
  std::unique_ptr<FetchResult> newest;
};

Mailbox& Box() {
  static Mailbox box;
  return box;
}

// Main thread: the task a worker posts.
void ApplyResult(void*, void*) {
  std::unique_ptr<FetchResult> result;
  {
    std::lock_guard<std::mutex> guard(Box().lock);
    result = std::move(Box().newest);
  }
  // Nothing left (an earlier task took it), or a newer fetch has started.
  if (!result || result->generation != generation) return;
  ShowOnPanels(result->news, result->failed);
}

// Worker body. Nothing escapes it: a failure becomes a failed result, and
// a result that cannot be posted is dropped.
void RunFetch(uint32_t number, const std::string& url, int64_t now) {
  try {
    auto result = std::make_unique<FetchResult>();
    result->generation = number;
    try {
      const std::string document = web::HttpGetText(url);
      if (!document.empty()) result->news = ScanStatusDocument(document, now);
    } catch (...) {
      result->news = StatusNews{};
      result->failed = true;
    }
    {
      std::lock_guard<std::mutex> guard(Box().lock);
      // An older fetch ending late never replaces a newer one's result.
      if (Box().newest && Box().newest->generation > number) return;
      Box().newest = std::move(result);
    }
    PostToMainThread(&ApplyResult, nullptr, nullptr);
  } catch (...) {
  }
}

}  // namespace

void StartNewsFetch() {
  const uint32_t number = ++generation;
  const std::string url = web::CurrentEndpoints().statusDocument;
  // Events are sorted by the time the fetch began, on the main thread.
  const auto now = static_cast<int64_t>(platform::Get().Now().seconds);
  const bool started = platform::Get().StartThread([number, url, now]() -> uint32_t {
    RunFetch(number, url, now);
    return 0;
  });
  // No worker could be started: this fetch failed at once.
  if (!started) ShowOnPanels(StatusNews{}, true);
}

uint32_t NewsFetchGeneration() { return generation; }

}  // namespace news
