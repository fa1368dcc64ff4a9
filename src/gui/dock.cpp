#include "gui/dock.h"

#include <algorithm>

#include "gui/screen.h"
#include "gui/window.h"

namespace gui {
GUI_WindowDock& Dock() {
  // Never destroyed: what it holds (windows, their textures) must not be
  // released at process exit, when the graphics DLLs may be gone.
  static GUI_WindowDock& dock = *new GUI_WindowDock;
  return dock;
}
}  // namespace gui

int32_t GUI_WindowDock::ColumnX(int32_t column) const {
  return column == 0 ? screenWidth - rightInsetB - rightInsetA : leftColumnX;
}

int32_t GUI_WindowDock::EntryHeight(const Entry& entry) const {
  return entry.window->minimized ? minimizedHeight : entry.window->h;
}

int32_t GUI_WindowDock::Used(int32_t column, const GUI_Window* except) const {
  int32_t used = 0;
  for (const Entry& e : entries) {
    if (e.column == column && e.window != except) used += EntryHeight(e) + gap;
  }
  return used;
}

int32_t GUI_WindowDock::Free(int32_t column, const GUI_Window* except) const {
  return screenHeight - topY - Used(column, except);
}

// A window stays in its column while the column has room for it beside the
// others there; otherwise it moves to the other column only when it fits
// there. (Counting the window itself against its own room would make any
// window taller than half the screen hop between columns on every refresh.)
void GUI_WindowDock::Fit(Entry& entry) {
  const int32_t height = EntryHeight(entry);
  if (Free(entry.column, entry.window) >= height) return;
  const int32_t other = 1 - entry.column;
  if (Free(other, entry.window) >= height) entry.column = other;
}

void GUI_WindowDock::Place(int32_t column) {
  const int32_t x = ColumnX(column);
  int32_t y = topY;
  for (Entry& e : entries) {
    if (e.column != column) continue;
    e.y = y;
    e.height = EntryHeight(e);
    e.window->SetBounds(x, y, e.window->w, e.window->h);
    y += e.height + gap;
  }
}

void GUI_WindowDock::AdoptScreenIfUnset() {
  if (screenWidth == 0 && screenHeight == 0) {
    screenWidth = ClientWidth;
    screenHeight = ClientHeight;
  }
}

void GUI_WindowDock::FitAndPlaceAll() {
  for (Entry& e : entries) Fit(e);
  Place(0);
  Place(1);
}

void GUI_WindowDock::Add(GUI_Window* window) {
  if (window == nullptr) return;
  for (const Entry& e : entries) {
    if (e.window == window) return;
  }
  AdoptScreenIfUnset();
  Entry entry{window, 0, 0, 0};
  entry.height = EntryHeight(entry);
  entry.column = Free(0) >= entry.height ? 0 : 1;
  entries.push_back(entry);
  FitAndPlaceAll();
}

void GUI_WindowDock::Remove(GUI_Window* window) {
  const auto before = entries.size();
  entries.erase(std::remove_if(entries.begin(), entries.end(),
                               [window](const Entry& e) { return e.window == window; }),
                entries.end());
  if (entries.size() == before) return;
  AdoptScreenIfUnset();
  FitAndPlaceAll();
}

void GUI_WindowDock::Refresh(GUI_Window* window) {
  AdoptScreenIfUnset();
  FitAndPlaceAll();
}

void GUI_WindowDock::CheckScreen() { Relayout(ClientWidth, ClientHeight); }

void GUI_WindowDock::Relayout(int32_t screenW, int32_t screenH) {
  if (screenW == screenWidth && screenH == screenHeight) return;
  screenWidth = screenW;
  screenHeight = screenH;
  FitAndPlaceAll();
}
