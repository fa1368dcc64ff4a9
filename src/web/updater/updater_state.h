// The updater's state, one per process, changed only on the host's main
// thread (the updater handler and the updater element's drawing).
#pragma once

#include <cstdint>
#include <deque>

class GUI_Dialog;

namespace updater {

enum class State : uint8_t {
  Idle = 0,
  FetchingVersion = 1,  // the version file is being downloaded
  Comparing = 2,        // the version file arrived
  FilesPending = 3,     // the next download is to start
  Downloading = 4,      // one download runs
  Finished = 5,
};

// The updater handler's codes (posted by the workers) and the window's
// child identifiers.
namespace codes {
inline constexpr int32_t kClose = 1000;
inline constexpr int32_t kConnecting = 1001;
inline constexpr int32_t kRequestDone = 1002;
inline constexpr int32_t kProgress = 1003;
inline constexpr int32_t kFileComplete = 1004;
inline constexpr int32_t kDownloadBroke = 1005;
inline constexpr int32_t kFirstBar = 1006;
inline constexpr int32_t kStatus = 1011;
inline constexpr int32_t kFirstPercent = 1012;
// The version file's request identifier.
inline constexpr int32_t kVersionRequest = 5;
}  // namespace codes

struct UpdaterState {
  State state = State::Idle;
  std::deque<int> pending;    // data file indexes still to download, in order
  bool updateNeeded = false;  // a file was missing or different
  int downloading = -1;       // the index of the running download
  int shownPercent = -1;      // its progress as shown (-1: none yet)
  bool closing = false;       // the close is posted
  GUI_Dialog* window = nullptr;
};

UpdaterState& Updater();

}  // namespace updater
