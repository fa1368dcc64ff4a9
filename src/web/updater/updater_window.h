// The "Ardun Patch Updater" window: a row per data file (its name, a bar
// and a percentage) and a status line. It is the current modal feature
// window while the updater runs.
#pragma once

#include <cstdint>
#include <string>

#include "gui/element.h"

namespace updater {

// Drawn with the window: drives the updater (one download at a time is
// started from here).
class GUI_Updater : public GUI_Element {
 public:
  GUI_Updater() : GUI_Element(0, 0, 0, 0, 0) {}
  void Draw() override;
};

// Replaces the current modal feature window with the updater window: the
// pending files' bars empty, the others full.
void OpenUpdaterWindow();
bool UpdaterWindowIsCurrent();
void CloseUpdaterWindow();

void ShowStatus(const std::string& text);
// That file's bar and percentage.
void ShowFileProgress(int index, int32_t percent);
// The file's download starts: "0%" unless it shows a broken transfer's progress.
void ShowFileStarting(int index);
// The file waits for a download again: empty bar, no percentage.
void ShowFileWaiting(int index);

}  // namespace updater
