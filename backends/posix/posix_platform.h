// Linux implementations of the operating-system services that are real in
// the simulator too: threads, file mapping, files, HTTP (libcurl). The
// simulator derives from this and replaces what it models (clock,
// protection, windows, keys).
#pragma once

#include "platform/platform.h"

namespace posix {

class PosixPlatform : public platform::Platform {
 public:
  bool StartThread(std::function<uint32_t()> body) override;
  platform::MappedFile MapFile(const std::string& path) override;
  void UnmapFile(platform::MappedFile& file) override;

  // HTTP through libcurl (posix_http.cpp). There is no dial-up to attempt,
  // and the machine has no pre-configured proxy: both access types connect
  // directly, so loopback traffic never leaves the machine. libcurl pushes
  // the body rather than letting it be pulled, so OpenUrl performs the whole
  // transfer and the response's reads serve what arrived; when the transfer
  // broke off, the read after the last byte that arrived fails.
  bool AttemptConnect() override { return true; }
  std::unique_ptr<platform::HttpResponse> OpenUrl(const std::string& agent, uint32_t accessType,
                                                  const std::string& url, uint32_t flags,
                                                  platform::UrlOpenFailure* failure) override;
  // POSIX files at ToPosixPath(path) (posix_files.cpp).
  std::unique_ptr<platform::ReadableFile> OpenBinaryFile(const std::string& path) override;
  std::unique_ptr<platform::WritableFile> CreateBinaryFile(const std::string& path) override;
  bool FileSize(const std::string& path, uint64_t* size) override;
  bool RemoveFile(const std::string& path) override;
  bool MoveIntoPlace(const std::string& from, const std::string& to) override;
  bool ReadWholeFile(const std::string& path, std::string* content) override;
  std::string CreateTemporaryFileBeside(const std::string& path) override;
  bool WriteWholeFile(const std::string& path, const std::string& content) override;
  bool CreateFolder(const std::string& path) override;
  bool FlushFileToDisk(const std::string& path) override;

};

// Turns a path built the Windows way (with '\') into a POSIX path.
std::string ToPosixPath(const std::string& path);

}  // namespace posix
