#include "web/updater/file_replacement.h"

#include <cstdint>

#include "platform/platform.h"
#include "web/updater/file_download.h"

namespace updater {

bool ReplaceRunningFile(const std::string& inUse, const std::string& aside) {
  platform::Platform& os = platform::Get();
  const std::string download = TemporaryPath(aside);
  uint64_t size = 0;
  const bool present = os.FileSize(inUse, &size);
  if (present && !os.MoveIntoPlace(inUse, aside)) {
    os.RemoveFile(download);
    return false;
  }
  if (os.MoveIntoPlace(download, inUse)) return true;
  if (present) os.MoveIntoPlace(aside, inUse);
  os.RemoveFile(download);
  return false;
}

}  // namespace updater
