// GUI_WindowDock: two screen columns into which docked windows stack.
// Column 0 stands 352 pixels left of the right screen edge, column 1 at the
// left edge; windows stack from the top with a 4-pixel gap, a minimised one
// taking 17 pixels.
#pragma once

#include <cstdint>
#include <vector>

class GUI_Window;

class GUI_WindowDock {
 public:
  struct Entry {
    GUI_Window* window;
    int32_t column;  // 0 or 1
    int32_t y;
    int32_t height;
  };

  void Add(GUI_Window* window);  // ignored if present
  void Remove(GUI_Window* window);
  void Refresh(GUI_Window* window);  // after a height change
  void CheckScreen();                // re-layout when the client size changed
  void Relayout(int32_t screenW, int32_t screenH);

  int32_t ColumnX(int32_t column) const;
  const std::vector<Entry>& Entries() const { return entries; }

  std::vector<Entry> entries;
  int32_t rightInsetA = 172;
  int32_t rightInsetB = 180;
  int32_t leftColumnX = 0;
  int32_t topY = 0;
  int32_t gap = 4;
  int32_t minimizedHeight = 17;
  int32_t screenWidth = 0, screenHeight = 0;

 private:
  int32_t EntryHeight(const Entry& entry) const;
  // Height taken in `column` by its entries (each plus the gap), leaving out
  // `except`.
  int32_t Used(int32_t column, const GUI_Window* except = nullptr) const;
  int32_t Free(int32_t column, const GUI_Window* except = nullptr) const;
  void Fit(Entry& entry);
  void Place(int32_t column);
  void AdoptScreenIfUnset();
  void FitAndPlaceAll();
};

namespace gui {
// The process-wide dock, created on first use.
GUI_WindowDock& Dock();
}  // namespace gui
