// The HTTP GET behind InternetOpenUrlA, done as the simulator's platform
// does it (backends/posix/posix_http.cpp): the whole transfer when the
// address is opened, redirects followed, and the body kept with whether all
// of it arrived.
#pragma once

#include <cstdint>
#include <string>

namespace sim::dll_host::win32 {

struct HttpAnswer {
  bool answered = false;       // false: no answer at all (refused, unreachable, not a URL)
  uint32_t status = 0;         // of the last answer, after redirects
  int64_t contentLength = -1;  // its Content-Length; -1 when it had none (a chunked body)
  std::string body;
  bool complete = false;  // false: the body broke off (or too many redirects)
};

// GET `url` ("http://127.0.0.1[:port]/..." or "http://localhost..."; the
// machine reaches nothing else, so any other host, https and anything that
// is not a URL get no answer) with `agent` as the User-Agent (none when
// empty). Bounded in time: 10 s to connect, 30 s without a byte ends it.
HttpAnswer HttpGet(const std::string& url, const std::string& agent);

}  // namespace sim::dll_host::win32
