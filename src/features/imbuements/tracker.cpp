#include "features/imbuements/tracker.h"

#include <algorithm>
#include <cstdint>

#include "features/imbuements/requests.h"
#include "features/imbuements/state.h"
#include "features/imbuements/tracker_list.h"
#include "gui/window.h"
#include "gui/window_sets.h"
#include "host/task_queue.h"

namespace {

constexpr int32_t kWindowW = 172;
constexpr int32_t kWindowTag = 15;
constexpr int32_t kCloseCode = 4500, kMinimizeCode = 4501;
constexpr int32_t kListId = 4510;
constexpr int32_t kListX = 4, kListY = 19, kListW = kWindowW - 8;
constexpr int32_t kBottomMargin = 2;
// More lines than these scroll.
constexpr int32_t kMaxVisibleLines = 4;

// A window closed by its own button is destroyed at the next frame, never
// while one of its operations runs. The number tells a close that was asked
// for a window since replaced by a new one.
uint32_t trackerGeneration = 0;

void CloseTrackerWindow() {
  GUI_Window* window = imbuements::TrackerWindow;
  if (window == nullptr) return;
  imbuements::TrackerWindow = nullptr;
  window->Destroy();
  delete window;
}

void DestroyLaterTask(void* generation, void*) {
  if (reinterpret_cast<uintptr_t>(generation) == trackerGeneration) CloseTrackerWindow();
}

void OnTrackerCode(int32_t code, int32_t) {
  if (code == kCloseCode) {
    PostToMainThread(&DestroyLaterTask, reinterpret_cast<void*>(uintptr_t{trackerGeneration}),
                     nullptr);
  }
  // Minimising needs nothing beyond what the window does itself.
}

int32_t ListHeightFor(int32_t lines) {
  if (lines == 0) return GUI_ImbuiTrackerList::kEmptyHeight;
  return std::min(lines, kMaxVisibleLines) * GUI_ImbuiTrackerList::kLinePitch;
}

GUI_ImbuiTrackerList* ListOf(GUI_Window& window) {
  return static_cast<GUI_ImbuiTrackerList*>(window.FindChild(kListId));
}

// The window is as high as the lines it shows: neither its edge nor its
// grip resize it.
void FitWindow(GUI_Window& window, GUI_ImbuiTrackerList& list) {
  const int32_t listH = ListHeightFor(list.LineCount());
  const int32_t windowH = kListY + listH + kBottomMargin;
  list.SetBounds(list.x, list.y, list.w, listH);
  if (window.minimized != 0) window.restoreRect.h = windowH;
  window.SetMinHeight(windowH);
  window.SetMaxHeight(windowH);
}

GUI_Window* BuildTracker() {
  const auto& items = imbuements::TrackerItems();
  const int32_t listH = ListHeightFor(GUI_ImbuiTrackerList::LinesFor(items));
  auto* window = new GUI_Window(0, 0, kWindowW, kListY + listH + kBottomMargin, "Imbuements",
                                kWindowTag, true);
  window->SetCloseHandler(&OnTrackerCode, kCloseCode);
  window->SetMinimizeHandler(&OnTrackerCode, kMinimizeCode);
  auto* list = new GUI_ImbuiTrackerList(kListX, kListY, kListW, listH, kListId);
  window->AddChild(list);
  window->SetFocus(nullptr);
  list->SetItems(items);
  FitWindow(*window, *list);
  ++trackerGeneration;
  return window;
}

}  // namespace

namespace imbuements {

GUI_Window* TrackerWindow = nullptr;

void ToggleTracker() {
  if (TrackerWindow != nullptr) {
    CloseTrackerWindow();
    return;
  }
  TrackerWindow = BuildTracker();
  RequestTrackerData();
}

void OnTrackerItemsReplaced() {
  if (TrackerWindow == nullptr) return;
  GUI_ImbuiTrackerList* list = ListOf(*TrackerWindow);
  if (list == nullptr) return;
  list->SetItems(TrackerItems());
  FitWindow(*TrackerWindow, *list);
}

void ResetTracker() {
  CloseTrackerWindow();
  TrackerItems().clear();
}

void InstallTracker() { gui::RegisterSingleton(gui::Singleton::ImbuementTracker, &TrackerWindow); }

}  // namespace imbuements
