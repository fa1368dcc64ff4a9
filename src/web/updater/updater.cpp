#include "web/updater/updater.h"

#include <string>

#include "host/frame_hooks.h"
#include "host/hook_points.h"
#include "host/host_functions.h"
#include "host/task_queue.h"
#include "input/input_hooks.h"
#include "platform/platform.h"
#include "web/endpoints.h"
#include "web/updater/data_files.h"
#include "web/updater/file_download.h"
#include "web/updater/file_replacement.h"
#include "web/updater/updater_state.h"
#include "web/updater/updater_window.h"
#include "web/updater/version_check.h"

namespace updater {
namespace {

constexpr uint32_t kRestartExitCode = static_cast<uint32_t>(-1);

void PostClose() {
  UpdaterState& u = Updater();
  if (u.closing) return;
  u.closing = true;
  PostToMainThread([](void*, void*) { OnUpdaterEvent(codes::kClose, 1); }, nullptr, nullptr);
}

void StartNextDownload() {
  UpdaterState& u = Updater();
  const int index = u.pending.front();
  u.pending.pop_front();
  u.downloading = index;
  u.shownPercent = -1;
  u.state = State::Downloading;
  ShowFileStarting(index);
  StartFileDownload({index, web::CurrentEndpoints().updateService + DisplayName(index),
                     DataFilePath(index, PathVariant::Download), HostUserAgent()});
}

void Restart() {
  platform::Platform& os = platform::Get();
  os.ShellOpenFromDesktop(DataFilePath(kRunningFileIndex, PathVariant::InUse));
  os.ExitProcess(kRestartExitCode);
}

// Code 1003: the running download's bar, never moving back (the queue hands
// the newest progress over first).
void OnProgress(int32_t value) {
  UpdaterState& u = Updater();
  const int index = value & 0xFFFF;
  const int32_t percent = value >> 16;
  if (u.state != State::Downloading || index != u.downloading || percent <= u.shownPercent) return;
  u.shownPercent = percent;
  ShowStatus("Downloading...");
  ShowFileProgress(index, percent);
}

void OnFileComplete(int32_t index) {
  UpdaterState& u = Updater();
  if (!UpdaterWindowIsCurrent()) {
    if ((u.state == State::Idle || u.state == State::FetchingVersion) &&
        index == codes::kVersionRequest) {
      u.state = State::Comparing;
      CompareWithVersionFile();
    }
    return;
  }
  if (u.state != State::FilesPending && u.state != State::Downloading) return;
  u.downloading = -1;
  ShowStatus("Downloading...");
  ShowFileProgress(index, 100);
  if (index == kRunningFileIndex &&
      !ReplaceRunningFile(DataFilePath(index, PathVariant::InUse),
                          DataFilePath(index, PathVariant::Download))) {
    // Restarting would run the old file, find it different and download it
    // again without end: the host loads what it has instead.
    ShowFailureMessage(DownloadFailure::Replace);
    OnUpdaterEvent(codes::kClose, 1);
    return;
  }
  u.state = u.pending.empty() ? State::Finished : State::FilesPending;
}

void OnDownloadBroke(int32_t index) {
  UpdaterState& u = Updater();
  if (u.state != State::Downloading || index != u.downloading) return;
  u.downloading = -1;
  // Tried again on the next frame, the file first in line again.
  u.state = State::FilesPending;
  u.pending.push_front(index);
  ShowStatus("Trying to download...");
  if (u.shownPercent < 0) ShowFileWaiting(index);
}

void OnClose() {
  if (UpdaterWindowIsCurrent()) CloseUpdaterWindow();
  Updater().closing = false;
  host::RunHostLoadSequence();
}

}  // namespace

UpdaterState& Updater() {
  static UpdaterState state;
  return state;
}

void StartVersionCheck() {
  const State state = Updater().state;
  if (state != State::Idle && state != State::Finished) return;
  DownloadVersionFile();
}

bool LoadGate() {
  if (Updater().state != State::FilesPending) return false;
  OpenUpdaterWindow();
  return true;
}

void OnUpdaterEvent(int32_t code, int32_t value) {
  switch (code) {
    case codes::kClose: OnClose(); break;
    case codes::kConnecting:
      // Only before the first progress of the running download.
      if (Updater().state == State::Downloading && Updater().shownPercent < 0 &&
          value == Updater().downloading) {
        ShowStatus("Connecting to update service.");
      }
      break;
    case codes::kRequestDone:
      // The worker's request is freed by the task that delivered it. A
      // version file that never came leaves the check where it is: the host
      // loads as it always did.
      break;
    case codes::kProgress: OnProgress(value); break;
    case codes::kFileComplete: OnFileComplete(value); break;
    case codes::kDownloadBroke: OnDownloadBroke(value); break;
    default: break;
  }
}

void OnUpdaterDrawn() {
  UpdaterState& u = Updater();
  if (u.state == State::FilesPending) {
    if (u.pending.empty()) {
      u.state = State::Finished;
    } else {
      StartNextDownload();
    }
    return;
  }
  if (u.state != State::Finished) return;
  if (u.updateNeeded) {
    Restart();
  } else {
    PostClose();
  }
}

void Install() {
  input::hooks::startVersionCheck = &StartVersionCheck;
  host::RegisterScreenSwitchHook([](bool inGame) {
    if (!inGame) StartVersionCheck();
  });
  host::hooks::loadGate = &LoadGate;
}

}  // namespace updater
