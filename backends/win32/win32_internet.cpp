// WinINet requests and the files downloads write.
#include <windows.h>
#include <wininet.h>

#include "win32_platform.h"

namespace win32 {
namespace {

// A session and the request opened in it; closed request first.
class WinInetResponse final : public platform::HttpResponse {
 public:
  WinInetResponse(HINTERNET session, HINTERNET request) : session_(session), request_(request) {}
  ~WinInetResponse() override {
    ::InternetCloseHandle(request_);
    ::InternetCloseHandle(session_);
  }

  bool StatusCode(uint32_t* status) override {
    return QueryNumber(HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, status);
  }
  bool ContentLength(uint32_t* length) override {
    return QueryNumber(HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, length);
  }
  bool Read(void* buffer, uint32_t size, uint32_t* read) override {
    DWORD count = 0;
    const BOOL ok = ::InternetReadFile(request_, buffer, size, &count);
    *read = ok ? count : 0;
    return ok != FALSE;
  }

 private:
  bool QueryNumber(DWORD info, uint32_t* value) {
    DWORD number = 0;
    DWORD size = sizeof(number);
    if (!::HttpQueryInfoA(request_, info, &number, &size, nullptr)) return false;
    *value = number;
    return true;
  }

  HINTERNET session_;
  HINTERNET request_;
};

class Win32ReadableFile final : public platform::ReadableFile {
 public:
  explicit Win32ReadableFile(HANDLE file) : file_(file) {}
  ~Win32ReadableFile() override { ::CloseHandle(file_); }

  bool Read(void* buffer, uint32_t size, uint32_t* read) override {
    DWORD count = 0;
    const BOOL ok = ::ReadFile(file_, buffer, size, &count, nullptr);
    *read = ok ? count : 0;
    return ok != FALSE;
  }

 private:
  HANDLE file_;
};

class Win32WritableFile final : public platform::WritableFile {
 public:
  explicit Win32WritableFile(HANDLE file) : file_(file) {}
  ~Win32WritableFile() override { ::CloseHandle(file_); }

  bool Write(const void* data, uint32_t size) override {
    DWORD written = 0;
    return ::WriteFile(file_, data, size, &written, nullptr) && written == size;
  }

 private:
  HANDLE file_;
};

}  // namespace

bool Win32Platform::AttemptConnect() { return ::InternetAttemptConnect(0) == ERROR_SUCCESS; }

std::unique_ptr<platform::HttpResponse> Win32Platform::OpenUrl(const std::string& agent,
                                                               uint32_t accessType,
                                                               const std::string& url,
                                                               uint32_t flags,
                                                               platform::UrlOpenFailure* failure) {
  if (failure != nullptr) *failure = platform::UrlOpenFailure::None;
  HINTERNET session = ::InternetOpenA(agent.c_str(), accessType, nullptr, nullptr, 0);
  if (session == nullptr) {
    if (failure != nullptr) *failure = platform::UrlOpenFailure::Session;
    return nullptr;
  }
  HINTERNET request = ::InternetOpenUrlA(session, url.c_str(), nullptr, 0, flags, 0);
  if (request == nullptr) {
    if (failure != nullptr) *failure = platform::UrlOpenFailure::Url;
    ::InternetCloseHandle(session);
    return nullptr;
  }
  return std::make_unique<WinInetResponse>(session, request);
}

std::unique_ptr<platform::ReadableFile> Win32Platform::OpenBinaryFile(const std::string& path) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32ReadableFile>(file);
}

std::unique_ptr<platform::WritableFile> Win32Platform::CreateBinaryFile(const std::string& path) {
  // Readers may open the file meanwhile (the main thread loading a cached
  // picture that is being replaced), as with the C runtime's fopen.
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32WritableFile>(file);
}

bool Win32Platform::FileSize(const std::string& path, uint64_t* size) {
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes)) return false;
  *size = (static_cast<uint64_t>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
  return true;
}

bool Win32Platform::RemoveFile(const std::string& path) { return ::DeleteFileA(path.c_str()) != 0; }

bool Win32Platform::MoveIntoPlace(const std::string& from, const std::string& to) {
  // Write-through: the rename is on disk when this returns, so a file put
  // in place (and flushed before) survives a power loss as a whole.
  return ::MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace win32
