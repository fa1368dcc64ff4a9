#include "web/news/news_fetch.h"

#include <memory>
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

// Main thread: the task a worker posts.
void ApplyResult(void* first, void*) {
  const std::unique_ptr<FetchResult> result(static_cast<FetchResult*>(first));
  if (result->generation != generation) return;  // a newer fetch has started
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
    PostToMainThread(&ApplyResult, result.get(), nullptr);
    result.release();  // the task owns it now
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
