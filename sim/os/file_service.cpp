#include "sim/os/file_service.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "sim/os/sim_os.h"

namespace sim {

int WriteFaulting(Os& os, int fd, const std::string& posixPath, const void* data, uint32_t size,
                  uint32_t* written) {
  *written = 0;
  const WriteVerdict verdict = os.fileFaults.Write(os.ScenarioName(posixPath), size);
  const char* bytes = static_cast<const char*>(data);
  while (*written < verdict.bytes) {
    const ssize_t count = ::write(fd, bytes + *written, verdict.bytes - *written);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return count < 0 ? errno : EIO;
    *written += static_cast<uint32_t>(count);
  }
  switch (verdict.error) {
    case WriteVerdict::Error::None: return 0;
    case WriteVerdict::Error::WriteFault: return EIO;
    case WriteVerdict::Error::DiskFull: return ENOSPC;
  }
  return EIO;
}

RenameOutcome RenameFaulting(Os& os, const std::string& from, const std::string& to, int* error) {
  *error = 0;
  if (os.fileFaults.KillsAtRename(os.ScenarioName(to))) {
    os.ExitProcess(kKilledExitCode);
    return RenameOutcome::Killed;
  }
  if (std::rename(from.c_str(), to.c_str()) == 0) return RenameOutcome::Renamed;
  *error = errno;
  return RenameOutcome::Failed;
}

uint32_t CreateTemporaryFile(Os& os, const std::string& posixBase, int* error) {
  *error = 0;
  constexpr uint32_t kNumbers = 0xFFFF;
  for (uint32_t attempt = 0; attempt < kNumbers; ++attempt) {
    const uint32_t number = os.NextTemporaryNumber();
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04X.tmp", number);
    const std::string path = posixBase + digits;
    int fd;
    do {
      fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) {
      *error = errno;
      return 0;
    }
    ::close(fd);
    return number;
  }
  *error = EEXIST;
  return 0;
}

}  // namespace sim
