// The forge's item grids: four columns of 36-pixel cells, two rows in view,
// scrolled by a sibling scroll bar. A click selects the entry under it and
// reports its index to the handler.
#pragma once

#include <cstdint>

#include "features/forge/state.h"
#include "gui/element.h"
#include "gui/widgets/post_event.h"

class GUI_VScrollBar;

namespace forge {

enum class GridList : uint8_t { Fusion, Sources, Targets };

// Draws one 34 x 34 cell at (x, y): the frame, the item, its tier badge at
// the top right for tiers above 0, and a white frame when selected.
void DrawItemCell(int32_t x, int32_t y, uint16_t displayId, uint32_t tier, bool selected);

// Rows the scroll bar can move over: max(0, ceil(count / 4) - 2).
int32_t GridScrollRange(size_t count);

}  // namespace forge

class GUI_ExaltationItemGrid : public GUI_Element, public gui::HandlerSlot {
 public:
  static constexpr int32_t kColumns = 4;
  static constexpr int32_t kCell = 36;
  static constexpr int32_t kVisibleRows = 2;

  // The scroll bar is a sibling in the same window and lives as long as
  // the grid.
  GUI_ExaltationItemGrid(int32_t x, int32_t y, forge::GridList list, GUI_VScrollBar* scrollBar,
                         int32_t id);

  void Draw() override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;

 private:
  const std::vector<forge::ForgeItem>& Items() const;
  forge::Selection& Selected() const;
  int32_t FirstRow() const;

  forge::GridList list_;
  GUI_VScrollBar* scrollBar_;
};

// The fusion grid, and the transfer's source and target grids.
class GUI_ExaltationInventory : public GUI_ExaltationItemGrid {
 public:
  GUI_ExaltationInventory(int32_t x, int32_t y, GUI_VScrollBar* scrollBar, int32_t id)
      : GUI_ExaltationItemGrid(x, y, forge::GridList::Fusion, scrollBar, id) {}
};
class GUI_TransferLeftGrid : public GUI_ExaltationItemGrid {
 public:
  GUI_TransferLeftGrid(int32_t x, int32_t y, GUI_VScrollBar* scrollBar, int32_t id)
      : GUI_ExaltationItemGrid(x, y, forge::GridList::Sources, scrollBar, id) {}
};
class GUI_TransferRightGrid : public GUI_ExaltationItemGrid {
 public:
  GUI_TransferRightGrid(int32_t x, int32_t y, GUI_VScrollBar* scrollBar, int32_t id)
      : GUI_ExaltationItemGrid(x, y, forge::GridList::Targets, scrollBar, id) {}
};
