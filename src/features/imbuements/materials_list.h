// The astral sources the selected imbuement needs: per source its picture,
// its name and "owned/needed", the count red while the player owns too few.
// Every source is listed, so a refused imbue is always explained (a name
// too long for its column is drawn in the small font, cut only if even
// that is too long): entries
// run down a column, then fill the next; up to six stand in two columns of
// three, more in three columns, and columns longer than the three rows
// shown scroll (the wheel, or the scroll bar at the right edge). It reads
// the selection and the owned sources live.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "gui/element.h"
#include "gui/widgets/v_scroll_bar.h"

class GUI_MaterialsList : public GUI_Element {
 public:
  static constexpr int32_t kRows = 3;  // rows shown at once
  static constexpr int32_t kRowHeight = 36;
  static constexpr int32_t kScrollBarW = 12;

  // Where `count` entries go: `columns` columns of `rows` entries each.
  struct Layout {
    int32_t columns;
    int32_t rows;
  };
  static Layout LayoutFor(size_t count);

  GUI_MaterialsList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // Follows the selection: the scroll range fits its sources, and another
  // imbuement starts at the top. Call after the selection changed.
  void Refresh();
  // Whether the sources need more rows than are shown.
  bool Scrolls() const { return scrollBar.maximum > 0; }

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override { scrollBar.OnMouseUp(px, py); }
  void OnMouseMove(int32_t px, int32_t py) override { scrollBar.OnMouseMove(px, py); }
  void OnWheel(int32_t px, int32_t py, uint8_t up) override { scrollBar.OnWheel(px, py, up); }
  void Draw() override;

  // "owned/needed" for one source of the selected imbuement.
  static std::string CountText(uint16_t owned, uint16_t needed);

  GUI_VScrollBar scrollBar;  // its position is the first row shown

 private:
  void DrawEntry(int32_t ex, int32_t ey, int32_t columnWidth, uint16_t itemId, uint16_t needed);

  uint32_t shownImbuement_ = 0;  // the imbuement the scroll position belongs to
};
