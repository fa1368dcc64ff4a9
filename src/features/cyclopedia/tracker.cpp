#include "features/cyclopedia/tracker.h"

#include <cstdint>

#include "features/cyclopedia/requests.h"
#include "features/cyclopedia/state.h"
#include "features/cyclopedia/tracker_list.h"
#include "features/cyclopedia/window.h"
#include "gui/window.h"
#include "gui/window_sets.h"
#include "host/task_queue.h"

namespace {

constexpr int32_t kWindowW = 172, kWindowH = 150;
constexpr int32_t kWindowTag = 17;
constexpr int32_t kCloseCode = 4300, kMinimizeCode = 4301, kResizeCode = 4302;
constexpr int32_t kMinHeight = 60, kMaxHeight = 400;
constexpr int32_t kListId = 4303;
constexpr int32_t kListX = 4, kListY = 19, kListW = 164, kListH = 127;
constexpr int32_t kBottomMargin = kWindowH - kListY - kListH;

// A window closed by its own button is destroyed at the next frame, never
// while one of its operations runs. The number tells a close that was asked
// for a window since replaced by a new one.
uint32_t trackerGeneration = 0;

void DestroyLaterTask(void* generation, void*) {
  if (reinterpret_cast<uintptr_t>(generation) == trackerGeneration) cyclopedia::CloseTracker();
}

GUI_BestiaryTrackerList* ListOf(GUI_Window* window) {
  return window == nullptr ? nullptr
                           : dynamic_cast<GUI_BestiaryTrackerList*>(window->FindChild(kListId));
}

// The list follows the window's height.
void FitList() {
  GUI_Window* window = cyclopedia::TrackerWindow;
  GUI_BestiaryTrackerList* list = ListOf(window);
  if (list == nullptr || window->minimized != 0) return;
  const int32_t height = window->h - kListY - kBottomMargin;
  list->SetBounds(list->x, list->y, list->w, height > 0 ? height : 0);
}

void OnTrackerCode(int32_t code, int32_t) {
  if (code == kCloseCode) {
    PostToMainThread(&DestroyLaterTask, reinterpret_cast<void*>(uintptr_t{trackerGeneration}),
                     nullptr);
  } else if (code == kResizeCode) {
    FitList();
  }
}

GUI_Window* BuildTracker() {
  auto* window =
      new GUI_Window(0, 0, kWindowW, kWindowH, "Bestiary Tracker", kWindowTag, true);
  window->SetCloseHandler(&OnTrackerCode, kCloseCode);
  window->SetMinimizeHandler(&OnTrackerCode, kMinimizeCode);
  window->SetResizeHandler(&OnTrackerCode, kResizeCode);
  window->SetMinHeight(kMinHeight);
  window->SetMaxHeight(kMaxHeight);
  auto* list = window->AddChild(new GUI_BestiaryTrackerList(kListX, kListY, kListW, kListH, kListId));
  window->SetFocus(nullptr);
  list->Rebuild();
  ++trackerGeneration;
  return window;
}

}  // namespace

namespace cyclopedia {

GUI_Window* TrackerWindow = nullptr;

void OpenTracker() {
  if (TrackerWindow != nullptr) {
    TrackerWindow->open = 1;
    return;
  }
  TrackerWindow = BuildTracker();
  if (Data().bestiaryTracker.empty()) RequestBestiaryOverview();
}

void CloseTracker() {
  GUI_Window* window = TrackerWindow;
  if (window == nullptr) return;
  TrackerWindow = nullptr;
  window->Destroy();
  delete window;
}

void OnTrackerReplaced() {
  OnTrackedCreaturesChanged();
  if (GUI_BestiaryTrackerList* list = ListOf(TrackerWindow)) list->Rebuild();
}

void InstallTracker() { gui::RegisterSingleton(gui::Singleton::BestiaryTracker, &TrackerWindow); }

}  // namespace cyclopedia
