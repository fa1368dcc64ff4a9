// The hover tooltip box: one line per '\n', as wide as the widest line,
// above the mouse unless that comes too close to the top, kept on screen.
#include "gui/screen.h"
#include "gui/tooltip.h"
#include "gui_widgets_fixture.h"

namespace {

using namespace widget_test;

class Tooltip : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    savedWidth_ = std::exchange(ClientWidth, 800);
  }
  void TearDown() override {
    ClientWidth = savedWidth_;
    WidgetTest::TearDown();
  }

 private:
  int32_t savedWidth_ = 0;
};

// The simulated host's font 1 is 6 pixels a character.
TEST_F(Tooltip, BoxFitsItsLinesAndStaysOnScreen) {
  struct Case {
    const char* text;
    int32_t mouseX, mouseY;
    int32_t x, y, w, h;  // the box
    std::vector<std::string> lines;
  };
  for (const Case& c : {
           Case{"Exit game", 100, 100, 100, 82, 62, 18, {"Exit game"}},  // one line: 18 above
           Case{"a\nlonger line\nb", 100, 100, 100, 54, 74, 46, {"a", "longer line", "b"}},
           Case{"a\nb", 100, 36, 100, 46, 14, 32, {"a", "b"}},           // 4 from the top: below
           Case{"a\nb", 100, 37, 100, 5, 14, 32, {"a", "b"}},            // 5 from the top: above
           Case{"Exit game", 760, 100, 733, 82, 62, 18, {"Exit game"}},  // kept on screen
           Case{"a\n", 100, 100, 100, 68, 14, 32, {"a", ""}},
       }) {
    gui::DrawTooltip(c.mouseX, c.mouseY, c.text);
    std::vector<std::string> expected = {Grey(c.x, c.y, c.w, c.h, 192)};
    Append(expected, BevelLines(c.x, c.y, c.w, c.h, {0, 0, 0}, {0, 0, 0}));
    for (size_t i = 0; i < c.lines.size(); ++i) {
      const int32_t lineY = c.y + 4 + 14 * static_cast<int32_t>(i);
      expected.push_back(Text(c.x + 4, lineY, 1, 63, 63, 63, c.lines[i], 0));
    }
    EXPECT_EQ(TakeDraws(), expected) << c.text;
  }
}

}  // namespace
