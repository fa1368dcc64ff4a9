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

TEST_F(GuiWidgetScrollBar, SixtyPixelBarWithMaximum48MovesHalfAPixelPerStep) {
  GUI_VScrollBar bar(0, 0, 12, 60, 48, 0, 1);
  EXPECT_EQ(bar.trackLength, 24);
  EXPECT_FLOAT_EQ(bar.pixelsPerStep, 0.5f);
  EXPECT_FLOAT_EQ(bar.stepsPerPixel, 2.0f);
  const int32_t thumbOffsets[] = {0, 0, 1, 1};
  for (int32_t p = 0; p < 4; ++p) {
    bar.SetPosition(p, true);
    EXPECT_EQ(bar.thumbOffset, thumbOffsets[p]) << p;
  }
  bar.SetPosition(48, true);
  EXPECT_EQ(bar.thumbOffset, 24);
}

TEST_F(GuiWidgetScrollBar, SetPositionClampsAndPostsRealChangesUnlessQuiet) {
  GUI_VScrollBar bar(0, 0, 12, 60, 48, 0, 1);
  bar.SetHandler(&Record, kCode);
  bar.SetPosition(5, false);
  EXPECT_EQ(RunEvents(), Positions({5}));
  bar.SetPosition(5, false);
  bar.SetPosition(6, true);
  EXPECT_TRUE(RunEvents().empty());
  bar.SetPosition(-3, false);
  EXPECT_EQ(RunEvents(), Positions({0}));
  bar.SetPosition(100, false);
  EXPECT_EQ(RunEvents(), Positions({48}));
}

TEST_F(GuiWidgetScrollBar, RangeChanges) {
  GUI_VScrollBar bar(0, 0, 12, 60, 48, 40, 1);
  bar.SetHandler(&Record, kCode);
  bar.SetRange(10);  // the position follows into the smaller range, quietly
  EXPECT_EQ(bar.position, 10);
  EXPECT_EQ(bar.thumbOffset, 24);
  bar.SetRange(-4);
  EXPECT_EQ(bar.maximum, 0);
  EXPECT_EQ(bar.position, 0);
  EXPECT_EQ(bar.pixelsPerStep, 0.0f);
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

TEST_F(GuiWidgetScrollBar, DrawsTrackArrowsAndThumb) {
  GUI_VScrollBar bar(100, 50, 12, 60, 48, 3, 1);
  bar.Draw();
  EXPECT_EQ(TakeDraws(), (std::vector<std::string>{
                             Skin(100, 62, 264, 0, 12, 36), Skin(100, 50, 232, 64, 12, 12),
                             Skin(100, 98, 244, 64, 12, 12), Skin(100, 63, 220, 64, 12, 12)}));
  bar.OnMouseDown(105, 108);  // second arrow held
  bar.SetRange(0);            // no range: no thumb
  bar.Draw();
  EXPECT_EQ(TakeDraws(), (std::vector<std::string>{
                             Skin(100, 62, 264, 0, 12, 36), Skin(100, 50, 232, 64, 12, 12),
                             Skin(100, 98, 246, 122, 12, 12)}));

  GUI_HScrollBar across(100, 50, 60, 12, 48, 48, 1);
  across.OnMouseDown(101, 55);  // first arrow held
  across.Draw();
  EXPECT_EQ(TakeDraws(), (std::vector<std::string>{
                             Skin(112, 50, 2, 199, 36, 12), Skin(100, 50, 234, 134, 12, 12),
                             Skin(148, 50, 244, 76, 12, 12), Skin(135, 50, 220, 64, 12, 12)}));
}

TEST_F(GuiWidgetScrollBar, ThumbDragFollowsTheCursorWithinTheRange) {
  GUI_VScrollBar bar(0, 0, 12, 60, 48, 0, 1);  // two steps per pixel
  bar.SetHandler(&Record, kCode);
  bar.OnMouseDown(5, 17);  // thumb at 12 .. 24
  EXPECT_EQ(bar.state, ScrollState::DraggingThumb);
  EXPECT_EQ(bar.grabOffset, 5);
  struct Case {
    int32_t py, position;
  };
  for (const Case c : {Case{27, 20}, Case{27, 20}, Case{1000, 48}, Case{-1000, 0}, Case{22, 10}}) {
    bar.OnMouseMove(5, c.py);
    EXPECT_EQ(bar.position, c.position) << c.py;
  }
  EXPECT_EQ(RunEvents(), Positions({10, 0, 48, 20}));  // newest first
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
  for (const Tick t : {Tick{99, 4}, Tick{1, 3}, Tick{100, 2}, Tick{250, 1}, Tick{0, 1}}) {
    Advance(t.advance);
    bar.Draw();
    EXPECT_EQ(bar.position, t.position) << "after " << t.advance;
  }
  bar.OnMouseUp(5, 5);
  Advance(100);
  bar.Draw();
  EXPECT_EQ(bar.position, 1);

  bar.OnMouseDown(5, 60);  // the second arrow's bottom edge
  Advance(100);
  bar.Draw();
  EXPECT_EQ(bar.position, 3);
  bar.OnWheel(5, 30, 1);
  bar.OnWheel(5, 30, 1);
  bar.OnWheel(5, 30, 0);
  EXPECT_EQ(bar.position, 2);
}

TEST_F(GuiWidgetScrollBar, PagingRepeatsUntilTheThumbReachesTheClickThenDrags) {
  // Track 84 pixels for 100 steps: 0.84 pixels a step.
  GUI_VScrollBar bar(0, 0, 12, 120, 100, 0, 1);
  bar.SetHandler(&Record, kCode);
  bar.OnMouseDown(5, 100);  // below the thumb
  EXPECT_EQ(bar.state, ScrollState::PagingForward);
  EXPECT_EQ(bar.position, 10);
  struct Tick {
    uint32_t advance;
    int32_t position;
    ScrollState state;
  };
  const Tick ticks[] = {
      {199, 10, ScrollState::PagingForward}, {1, 20, ScrollState::PagingForward},
      {200, 30, ScrollState::PagingForward}, {200, 40, ScrollState::PagingForward},
      {200, 50, ScrollState::PagingForward}, {200, 60, ScrollState::PagingForward},
      {200, 70, ScrollState::PagingForward}, {200, 80, ScrollState::PagingForward},
      {200, 90, ScrollState::PagingForward},  // thumb 87 .. 99: not yet under 100
      {200, 100, ScrollState::DraggingThumb},
  };
  for (const Tick& t : ticks) {
    Advance(t.advance);
    bar.Draw();
    EXPECT_EQ(bar.position, t.position);
    EXPECT_EQ(bar.state, t.state) << "at position " << t.position;
  }
  EXPECT_EQ(bar.grabOffset, 100 - (12 + 84));
  EXPECT_EQ(RunEvents().size(), 10u);

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
