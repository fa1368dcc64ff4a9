// WININET: sessions (InternetOpenA) and the requests opened in them
// (InternetOpenUrlA), answered as the simulator's platform answers the
// core's OpenUrl (sim/linked/sim_platform.cpp): the machine records the
// request and refuses any address but its own, then the whole transfer is
// done at once and reads hand out its body, failing after the last byte when
// the transfer broke off. Handles are usable from any thread.
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "sim/dll_host/win32/user32_exports.h"
#include "sim/dll_host/win32/wininet_exports.h"
#include "sim/dll_host/win32/wininet_http.h"
#include "sim/os/sim_os.h"

namespace sim::dll_host::win32 {
namespace {

// Redirects are followed (as the simulator's transfers always do); asking
// for them not to be is outside what this layer answers.
constexpr Dword kInternetFlagNoAutoRedirect = 0x00200000;

struct InternetObject {
  virtual ~InternetObject() = default;
};

struct Session : InternetObject {
  std::string agent;
  Dword accessType = 0;
};

struct Request : InternetObject {
  explicit Request(HttpAnswer answer) : answer(std::move(answer)) {}
  std::mutex lock;  // two threads reading one request read in turn
  HttpAnswer answer;
  size_t offset = 0;
};

class Handles {
 public:
  Hinternet Add(std::shared_ptr<InternetObject> object) {
    std::lock_guard hold(lock_);
    const Hinternet handle = next_;
    next_ += 4;
    objects_[handle] = std::move(object);
    return handle;
  }

  template <class T>
  std::shared_ptr<T> Find(Hinternet handle) {
    std::lock_guard hold(lock_);
    const auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : std::dynamic_pointer_cast<T>(it->second);
  }

  bool Remove(Hinternet handle) {
    std::shared_ptr<InternetObject> closing;  // dies outside the lock
    std::lock_guard hold(lock_);
    const auto it = objects_.find(handle);
    if (it == objects_.end()) return false;
    closing = std::move(it->second);
    objects_.erase(it);
    return true;
  }

 private:
  std::mutex lock_;
  Hinternet next_ = 0x00CC0004;  // apart from KERNEL32's handles, for readable traces
  std::map<Hinternet, std::shared_ptr<InternetObject>> objects_;
};

Handles& TheHandles() {
  static auto* handles = new Handles();
  return *handles;
}

// The request `handle` names; with the error WinINet reports when it names
// something else or nothing.
std::shared_ptr<Request> FindRequest(Hinternet handle) {
  auto request = TheHandles().Find<Request>(handle);
  if (!request) {
    SetLastErrorOfThread(TheHandles().Find<InternetObject>(handle)
                             ? kErrorInternetIncorrectHandleType
                             : kErrorInvalidHandle);
  }
  return request;
}

}  // namespace

// The simulated machine is always online.
Dword K32_API InternetAttemptConnect(Dword reserved) { return kErrorSuccess; }

// A proxy is never used (the simulator's transfers use none either), so one
// the DLL names explicitly is outside what this layer answers.
Hinternet K32_API InternetOpenA(const char* agent, Dword accessType, const char* proxy,
                                const char* proxyBypass, Dword flags) {
  if (flags != 0 || (proxy != nullptr && *proxy != '\0')) {
    FailScenario("unimplemented import InternetOpenA (flags " + HexText(flags) +
                 (proxy != nullptr ? std::string(", proxy ") + proxy : std::string()) + ")");
  }
  auto session = std::make_shared<Session>();
  session->agent = agent != nullptr ? agent : "";
  session->accessType = accessType;
  return TheHandles().Add(std::move(session));
}

Hinternet K32_API InternetOpenUrlA(Hinternet sessionHandle, const char* url, const char* headers,
                                   Dword headersLength, Dword flags, uint32_t context) {
  if ((headers != nullptr && headersLength != 0 && *headers != '\0') ||
      (flags & kInternetFlagNoAutoRedirect) != 0) {
    FailScenario("unimplemented import InternetOpenUrlA (extra headers or flags " + HexText(flags) +
                 ")");
  }
  const auto session = TheHandles().Find<Session>(sessionHandle);
  if (!session) {
    SetLastErrorOfThread(kErrorInvalidHandle);
    return 0;
  }
  if (url == nullptr) {
    SetLastErrorOfThread(kErrorInvalidParameter);
    return 0;
  }
  Os& os = MachineOs();
  // Refused like a host that cannot be reached: no request at all.
  if (!os.OpenUrl({session->agent, session->accessType, url, flags})) {
    SetLastErrorOfThread(kErrorInternetCannotConnect);
    return 0;
  }
  HttpAnswer answer = HttpGet(os.Routed(url), session->agent);
  if (!answer.answered) {
    SetLastErrorOfThread(kErrorInternetCannotConnect);
    return 0;
  }
  return TheHandles().Add(std::make_shared<Request>(std::move(answer)));
}

// The numeric status code and Content-Length, the two queries the DLL makes.
Bool K32_API HttpQueryInfoA(Hinternet requestHandle, Dword info, void* buffer, Dword* bufferLength,
                            Dword* index) {
  if (info != (kHttpQueryStatusCode | kHttpQueryFlagNumber) &&
      info != (kHttpQueryContentLength | kHttpQueryFlagNumber)) {
    FailScenario("unimplemented import HttpQueryInfoA (info " + HexText(info) + ")");
  }
  if (index != nullptr && *index != 0) {
    FailScenario("unimplemented import HttpQueryInfoA (index " + std::to_string(*index) + ")");
  }
  const auto request = FindRequest(requestHandle);
  if (!request) return kFalse;
  const HttpAnswer& answer = request->answer;
  uint32_t value = answer.status;
  if (info == (kHttpQueryContentLength | kHttpQueryFlagNumber)) {
    if (answer.contentLength < 0 || answer.contentLength > int64_t{UINT32_MAX}) {
      SetLastErrorOfThread(kErrorHttpHeaderNotFound);
      return kFalse;
    }
    value = static_cast<uint32_t>(answer.contentLength);
  }
  if (buffer == nullptr || bufferLength == nullptr || *bufferLength < sizeof value) {
    if (bufferLength != nullptr) *bufferLength = sizeof value;
    SetLastErrorOfThread(kErrorInsufficientBuffer);
    return kFalse;
  }
  std::memcpy(buffer, &value, sizeof value);
  *bufferLength = sizeof value;
  return kTrue;
}

// TRUE with 0 bytes at the end of a body that arrived whole; FALSE there
// when it broke off.
Bool K32_API InternetReadFile(Hinternet requestHandle, void* buffer, Dword toRead, Dword* read) {
  if (read == nullptr || (buffer == nullptr && toRead != 0)) {
    SetLastErrorOfThread(kErrorInvalidParameter);
    return kFalse;
  }
  *read = 0;
  const auto request = FindRequest(requestHandle);
  if (!request) return kFalse;
  std::lock_guard hold(request->lock);
  const std::string& body = request->answer.body;
  const size_t left = body.size() - request->offset;
  if (left == 0) {
    if (request->answer.complete) return kTrue;
    SetLastErrorOfThread(kErrorInternetConnectionAborted);
    return kFalse;
  }
  const size_t n = std::min<size_t>(toRead, left);
  std::memcpy(buffer, body.data() + request->offset, n);
  request->offset += n;
  *read = static_cast<Dword>(n);
  return kTrue;
}

Bool K32_API InternetCloseHandle(Hinternet handle) {
  if (TheHandles().Remove(handle)) return kTrue;
  SetLastErrorOfThread(kErrorInvalidHandle);
  return kFalse;
}

namespace {

#define WININET_ENTRY(name) \
  { #name, reinterpret_cast < const void*>(&name) }
const ImportSymbol kWininet[] = {
    WININET_ENTRY(HttpQueryInfoA),      WININET_ENTRY(InternetAttemptConnect),
    WININET_ENTRY(InternetCloseHandle), WININET_ENTRY(InternetOpenA),
    WININET_ENTRY(InternetOpenUrlA),    WININET_ENTRY(InternetReadFile),
};
#undef WININET_ENTRY

}  // namespace
}  // namespace sim::dll_host::win32

namespace sim::dll_host {
std::span<const ImportSymbol> WininetSymbols() { return win32::kWininet; }
}  // namespace sim::dll_host
