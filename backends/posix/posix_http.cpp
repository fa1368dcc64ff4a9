// HTTP GET through libcurl, shaped like WinINet's open / query / read.
#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <mutex>

#include "backends/posix/posix_platform.h"

namespace posix {
namespace {

// Long enough for a loopback server, short enough that a server that stopped
// answering ends its worker well within a scenario's settle.
constexpr long kConnectTimeoutSeconds = 10;
constexpr long kStalledSeconds = 30;
constexpr long kMaxRedirects = 10;

// A transfer that has ended: its body as it arrived and whether all of it did.
class CurlResponse final : public platform::HttpResponse {
 public:
  CurlResponse(std::string body, bool complete, long status, curl_off_t length)
      : body_(std::move(body)), complete_(complete), status_(status), length_(length) {}

  bool StatusCode(uint32_t* status) override {
    if (status_ <= 0) return false;
    *status = static_cast<uint32_t>(status_);
    return true;
  }

  bool ContentLength(uint32_t* length) override {
    // libcurl reports -1 when the answer had no Content-Length (a chunked body).
    if (length_ < 0 || length_ > static_cast<curl_off_t>(UINT32_MAX)) return false;
    *length = static_cast<uint32_t>(length_);
    return true;
  }

  bool Read(void* buffer, uint32_t size, uint32_t* read) override {
    *read = 0;
    const size_t left = body_.size() - offset_;
    // Past the last byte: the end of the body, or the break that cut it short.
    if (left == 0) return complete_;
    const size_t n = std::min<size_t>(size, left);
    std::memcpy(buffer, body_.data() + offset_, n);
    offset_ += n;
    *read = static_cast<uint32_t>(n);
    return true;
  }

 private:
  std::string body_;
  size_t offset_ = 0;
  bool complete_;
  long status_;
  curl_off_t length_;
};

size_t Collect(char* data, size_t size, size_t count, void* target) {
  try {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
  } catch (...) {
    return 0;  // libcurl ends the transfer with a write error
  }
}

}  // namespace

std::unique_ptr<platform::HttpResponse> PosixPlatform::OpenUrl(const std::string& agent,
                                                               uint32_t accessType,
                                                               const std::string& url,
                                                               uint32_t flags,
                                                               platform::UrlOpenFailure* failure) {
  if (failure != nullptr) *failure = platform::UrlOpenFailure::None;
  // The global set-up is not safe to race with the first transfers.
  static std::once_flag initialised;
  std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

  const std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) {
    if (failure != nullptr) *failure = platform::UrlOpenFailure::Session;
    return nullptr;
  }
  CURL* c = curl.get();
  std::string body;
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  if (!agent.empty()) curl_easy_setopt(c, CURLOPT_USERAGENT, agent.c_str());
  // No proxy, whatever the environment names (see the header).
  curl_easy_setopt(c, CURLOPT_PROXY, "");
  // WinINet follows redirects, within plain and secure HTTP.
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(c, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);  // workers run this concurrently
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, kStalledSeconds);
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Collect);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &body);
  const CURLcode result = curl_easy_perform(c);

  long status = 0;
  curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
  // No answer at all (refused, unreachable, not a URL): the open fails, as
  // InternetOpenUrlA does. An answer whose body broke off opens, and its
  // reads fail where the body ends.
  if (status == 0) {
    if (failure != nullptr) *failure = platform::UrlOpenFailure::Url;
    return nullptr;
  }
  curl_off_t length = -1;
  curl_easy_getinfo(c, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
  return std::make_unique<CurlResponse>(std::move(body), result == CURLE_OK, status, length);
}

}  // namespace posix
