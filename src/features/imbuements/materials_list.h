// The astral sources the selected imbuement needs: per source its picture,
// its name and "owned/needed", the count red while the player owns too few.
// Entries run down a column of three, then fill a second column; it reads
// the selection and the owned sources live.
#pragma once

#include <cstdint>
#include <string>

#include "gui/element.h"

namespace imbuements {
struct ImbuementInfo;
}

class GUI_MaterialsList : public GUI_Element {
 public:
  static constexpr int32_t kRows = 3, kColumns = 2;
  static constexpr int32_t kRowHeight = 36;

  using GUI_Element::GUI_Element;  // (x, y, w, h, id)
  void Draw() override;

  // "owned/needed" for one source of the selected imbuement.
  static std::string CountText(uint16_t owned, uint16_t needed);

 private:
  void DrawEntry(int32_t ex, int32_t ey, int32_t columnWidth, uint16_t itemId, uint16_t needed);
};
