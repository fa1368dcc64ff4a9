// Both scroll bars: ratios and thumb placement, arrows, thumb drag, paging,
// and the auto-repeat that Draw drives from the clock.
#include "gui/widgets/h_scroll_bar.h"
#include "gui/widgets/v_scroll_bar.h"
#include "gui_widgets_fixture.h"

namespace {

using namespace widget_test;
using gui::ScrollState;

constexpr int32_t kCode = 12;

class GuiWidgetScrollBar : public WidgetTest {
 protected:
  static std::vector<Event> Positions(std::initializer_list<int32_t> values) {
    std::vector<Event> out;
    for (int32_t value : values) out.push_back({kCode, value});
    return out;
  }
};

TEST_F(GuiWidgetScrollBar, HalfAPixelPerStepPositionsAndRangeChanges) {
  GUI_VScrollBar bar(0, 0, 12, 60, 48, 0, 1);
  bar.SetHandler(&Record, kCode);
  EXPECT_EQ(bar.trackLength, 24);
  const int32_t thumbOffsets[] = {0, 0, 1, 1};
  for (int32_t p = 0; p < 4; ++p) {
    bar.SetPosition(p, true);
    EXPECT_EQ(bar.thumbOffset, thumbOffsets[p]) << p;
  }
  EXPECT_TRUE(RunEvents().empty()) << "quiet";
  bar.SetPosition(5, false);
  bar.SetPosition(5, false);  // no change, no event
  bar.SetPosition(-3, false);
  bar.SetPosition(100, false);
  EXPECT_EQ(bar.thumbOffset, 24);
  EXPECT_EQ(RunEvents(), Positions({48, 0, 5}));  // newest first

  bar.SetRange(10);  // the position follows into the smaller range, quietly
  EXPECT_EQ(bar.position, 10);
  bar.SetRange(-4);
  EXPECT_EQ(bar.maximum, 0);
  EXPECT_EQ(bar.position, 0);
  EXPECT_TRUE(RunEvents().empty());

  // A stretched bar gets a longer track.
  bar.SetRange(48);
  bar.SetPosition(10, true);
  bar.SetBounds(0, 0, 12, 108);
  EXPECT_EQ(bar.trackLength, 72);
  EXPECT_EQ(bar.thumbOffset, 15);

  // A bar with no room for a track never divides by zero.
  GUI_VScrollBar tiny(0, 0, 12, 30, 10, 0, 1);
  EXPECT_EQ(tiny.trackLength, 0);
  tiny.OnMouseDown(5, 25);
  EXPECT_EQ(tiny.position, 1);
  EXPECT_EQ(tiny.thumbOffset, 0);
}

TEST_F(GuiWidgetScrollBar, ThumbDragFollowsTheCursorWithinTheRange) {
  GUI_VScrollBar bar(0, 0, 12, 60, 48, 0, 1);  // two steps per pixel
  bar.SetHandler(&Record, kCode);
  bar.OnMouseDown(5, 17);  // thumb at 12 .. 24
  EXPECT_EQ(bar.state, ScrollState::DraggingThumb);
  struct Case {
    int32_t py, position;
  };
  for (const Case c : {Case{27, 20}, Case{27, 20}, Case{1000, 48}, Case{-1000, 0}, Case{22, 10}}) {
    bar.OnMouseMove(5, c.py);
    EXPECT_EQ(bar.position, c.position) << c.py;
  }
  EXPECT_EQ(RunEvents(), Positions({10, 0, 48, 20}));
  bar.OnMouseUp(5, 22);
  bar.OnMouseMove(5, 40);
  EXPECT_EQ(bar.position, 10);

  GUI_HScrollBar across(0, 0, 60, 12, 48, 0, 1);
  across.OnMouseDown(17, 5);
  across.OnMouseMove(27, 5);
  EXPECT_EQ(across.position, 20);
}

TEST_F(GuiWidgetScrollBar, ArrowsRepeatEveryHundredMillisecondsWhileHeld) {
  GUI_VScrollBar bar(0, 0, 12, 60, 48, 5, 1);
  bar.OnMouseDown(5, 5);
  EXPECT_EQ(bar.position, 4);
  struct Tick {
    uint32_t advance;
    int32_t position;
  };
  for (const Tick t : {Tick{99, 4}, Tick{1, 3}, Tick{250, 2}, Tick{0, 2}}) {
    Advance(t.advance);
    bar.Draw();
    EXPECT_EQ(bar.position, t.position) << "after " << t.advance;
  }
  bar.OnMouseUp(5, 5);
  Advance(100);
  bar.Draw();
  EXPECT_EQ(bar.position, 2);

  bar.OnMouseDown(5, 60);  // the second arrow's bottom edge
  Advance(100);
  bar.Draw();
  EXPECT_EQ(bar.position, 4);
  for (uint8_t up : {1, 1, 0}) bar.OnWheel(5, 30, up);
  EXPECT_EQ(bar.position, 3);
}

TEST_F(GuiWidgetScrollBar, PagingRepeatsUntilTheThumbReachesTheClickThenDrags) {
  // Track 84 pixels for 100 steps: 0.84 pixels a step.
  GUI_VScrollBar bar(0, 0, 12, 120, 100, 0, 1);
  bar.OnMouseDown(5, 100);  // below the thumb
  EXPECT_EQ(bar.state, ScrollState::PagingForward);
  EXPECT_EQ(bar.position, 10);
  Advance(199);
  bar.Draw();
  EXPECT_EQ(bar.position, 10);
  for (int32_t expected = 20; expected <= 90; expected += 10) {
    Advance(bar.position == 10 ? 1 : 200);
    bar.Draw();
    EXPECT_EQ(bar.position, expected);
    EXPECT_EQ(bar.state, ScrollState::PagingForward) << "thumb not yet under 100 at " << expected;
  }
  Advance(200);
  bar.Draw();
  EXPECT_EQ(bar.position, 100);
  EXPECT_EQ(bar.state, ScrollState::DraggingThumb);
  EXPECT_EQ(bar.grabOffset, 100 - (12 + 84));

  // Back up from the end: pages until the thumb's top reaches the click.
  bar.OnMouseUp(5, 100);
  bar.OnMouseDown(5, 30);
  EXPECT_EQ(bar.state, ScrollState::PagingBack);
  while (bar.state == ScrollState::PagingBack) {
    Advance(200);
    bar.Draw();
  }
  EXPECT_EQ(bar.position, 20);  // thumb at 12 + 16 = 28
  EXPECT_EQ(bar.grabOffset, 2);
  bar.OnMouseMove(5, 50);  // holding on drags from the click point
  EXPECT_EQ(bar.position, 42);
}

}  // namespace
