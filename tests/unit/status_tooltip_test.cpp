// The status bar's tooltip keeps its distance from every screen edge; each
// row sits on one side of one threshold.
#include <gtest/gtest.h>

#include "web/status_bar.h"

namespace {

struct Case {
  const char* what;
  int32_t mouseX, mouseY, screenWidth, screenHeight;
  int32_t left, top;
};

TEST(StatusTooltip, PlacementAtEachEdge) {
  constexpr int32_t kWidth = 60;  // the box's width
  const Case kCases[] = {
      {"left of and above the pointer", 500, 300, 800, 600, 500 - 62, 280},
      {"exactly 10 from the left stays", 72, 300, 800, 600, 10, 280},
      {"9 from the left goes right of it", 71, 300, 800, 600, 73, 280},
      {"exactly 10 from the top stays", 500, 30, 800, 600, 438, 10},
      {"9 from the top goes below it", 500, 29, 800, 600, 438, 31},
      {"right of it, exactly 10 from the right edge", 60, 300, 132, 600, 62, 280},
      {"right of it, pulled back from the right edge", 60, 300, 131, 600, 61, 280},
      {"below it, exactly 10 from the bottom", 500, 20, 800, 50, 438, 22},
      {"below it, pulled up from the bottom", 500, 20, 800, 49, 438, 21},
      {"a screen too small keeps 10 from left and top", 5, 5, 40, 20, 10, 10},
  };
  for (const Case& c : kCases) {
    const web::TooltipPlace place =
        web::PlaceStatusTooltip(c.mouseX, c.mouseY, kWidth, c.screenWidth, c.screenHeight);
    EXPECT_EQ(place.left, c.left) << c.what;
    EXPECT_EQ(place.top, c.top) << c.what;
  }
}

}  // namespace
