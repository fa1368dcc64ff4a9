// GUI_Outfit_List: the outfits or the mounts (whichever the list tabs
// show) whose names pass the filter, 20-pixel rows with a small picture
// and the name; the current entry on grey 112. A press on a row, or Up and
// Down, posts the row (an index into `shown`).
#pragma once

#include <cstdint>
#include <vector>

#include "gui/widgets/row_list.h"

class GUI_Outfit_List : public GUI_RowList {
 public:
  static constexpr int32_t kRowH = 20;
  static constexpr int32_t kPictureSize = 18;
  static constexpr int32_t kNameX = 24;
  static constexpr int32_t kFont = 1;

  GUI_Outfit_List(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // Lists the entries of the state's view that pass its filter, the
  // current one selected; scrolls to show it when `scrollToCurrent`.
  void Rebuild(bool scrollToCurrent);
  // The list entry (outfit or mount index) of a shown row, or -1.
  int32_t EntryAt(int32_t row) const;

  void Draw() override;

  std::vector<int32_t> shown;

 private:
  int32_t RowCount() const override { return static_cast<int32_t>(shown.size()); }
  int32_t HitWidth() const override { return w - kScrollBarW - 1; }
};
