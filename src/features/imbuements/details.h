// The details area under the category and imbuement boxes. Imbuing: the
// selected imbuement's description, its cost, its chance of success in the
// colour of its band, the price of the "100%" option and the heading of the
// astral sources (the button, the sources and the time bar are the window's
// own children, placed by the offsets below). Clearing: the slot's
// description, the price of clearing and "Time remaining:". Imbuing with
// nothing selected: "Select an imbuement to see details.". It reads the
// state live.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/element.h"

class GUI_ImbuementDetails : public GUI_Element {
 public:
  static constexpr int32_t kWidth = 496, kHeight = 210;
  static constexpr int32_t kFont = 1;
  static constexpr int32_t kDescriptionLines = 3;
  // Offsets inside the area of what the window places there.
  static constexpr int32_t kProtectX = 330, kProtectY = 52, kProtectW = 50, kProtectH = 20;
  static constexpr int32_t kSourcesX = 10, kSourcesY = 100;
  static constexpr int32_t kBarX = 130, kBarY = 78, kBarW = 220, kBarH = 18;

  GUI_ImbuementDetails(int32_t x, int32_t y, int32_t id) : GUI_Element(x, y, kWidth, kHeight, id) {}
  void Draw() override;

 private:
  void DrawImbue();
  void DrawClear();
  void DrawDescription(const std::string& description);
};

namespace imbuements {

// The text broken at blanks into lines at most `room` pixels wide in
// `font`, at most `maxLines` of them; a text that needs more ends its last
// line in "...", and a word wider than a line is cut the same way.
std::vector<std::string> WrapText(int32_t font, const std::string& text, int32_t room,
                                  size_t maxLines);

}  // namespace imbuements
