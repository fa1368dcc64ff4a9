#include "features/hotkeys/files.h"

#include "platform/platform.h"

namespace hotkeys {
namespace {

constexpr uint32_t kSettleAfterFlushMs = 50;

std::string LibraryFolder() {
  std::string appData;
  if (!platform::Get().EnvironmentVariable("APPDATA", &appData) || appData.empty()) return "";
  return appData + "\\Quorlan";
}

std::string InLibraryFolder(const char* name) {
  const std::string folder = LibraryFolder();
  return folder.empty() ? "" : folder + "\\" + name;
}

}  // namespace

std::string PresetsFilePath() { return InLibraryFolder("Hotkeys.cfg"); }
std::string HostConfigPath() { return InLibraryFolder("Ardun.cfg"); }

bool ReadPresetsFile(Lines* lines) {
  const std::string path = PresetsFilePath();
  if (path.empty()) return false;
  platform::Platform& os = platform::Get();
  std::string content;
  if (os.ReadWholeFile(path, &content)) {
    *lines = SplitLines(content);
    return true;
  }
  uint64_t size = 0;
  if (os.FileSize(path, &size)) return false;  // there, but not readable
  os.CreateFolder(LibraryFolder());  // fails harmlessly when it exists
  const Lines defaults = DefaultPresetsFile();
  if (!os.WriteWholeFile(path, JoinLines(defaults))) return false;
  *lines = defaults;
  return true;
}

bool WritePresetsFile(const Lines& lines) {
  const std::string path = PresetsFilePath();
  return !path.empty() && platform::Get().WriteWholeFile(path, JoinLines(lines));
}

bool ReadHostConfig(Lines* lines) {
  const std::string path = HostConfigPath();
  std::string content;
  if (path.empty() || !platform::Get().ReadWholeFile(path, &content)) return false;
  *lines = SplitLines(content);
  return true;
}

bool WriteHostConfig(const Lines& lines) {
  const std::string path = HostConfigPath();
  platform::Platform& os = platform::Get();
  if (path.empty() || !os.WriteWholeFile(path, JoinLines(lines))) return false;
  os.FlushFileToDisk(path);
  os.Sleep(kSettleAfterFlushMs);
  return true;
}

}  // namespace hotkeys
