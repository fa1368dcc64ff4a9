// The press machine and the widgets built on it (GUI_Button, GUI_ButtonColor,
// GUI_Icon), and the check box.
#include <functional>
#include <memory>

#include "gui/widgets/button.h"
#include "gui/widgets/button_color.h"
#include "gui/widgets/check_box.h"
#include "gui/widgets/icon.h"
#include "gui_widgets_fixture.h"

namespace {

using gui::PressState;
using namespace widget_test;

using GuiWidgetPressButtons = WidgetTest;

// Every push button clicks as the press machine says (a release over the
// button after a press on it), on inclusive edges, through the event queue.
TEST_F(GuiWidgetPressButtons, MouseSequencesClickOnlyOnReleaseAfterPressInside) {
  const std::vector<std::function<std::unique_ptr<GUI_PressElement>()>> makers = {
      [] { return std::make_unique<GUI_Button>(10, 10, 86, 20, "OK", 1); },
      [] { return std::make_unique<GUI_ButtonColor>(10, 10, 86, 20, "Tab", 1); },
      [] { return std::make_unique<GUI_Icon>(10, 10, 86, 20, 4, 0, 0, 12, 0, 1); },
  };
  struct Sequence {
    const char* steps;  // D(own) at x 50, m(ove) off to x 200, M(ove) back to 50, U(p)
    int32_t releaseX;
    size_t clicks;
  };
  const Sequence sequences[] = {
      {"DmMU", 50, 1},  // press, leave, come back, release
      {"DmU", 200, 0},  // press, leave, release outside
      {"MU", 50, 0},    // release without a press
      {"DU", 96, 1},    // release on the right edge
      {"DU", 97, 0},    // one pixel past it
  };
  for (const auto& make : makers) {
    for (const Sequence& s : sequences) {
      std::unique_ptr<GUI_PressElement> button = make();
      button->SetHandler(&Record, 42);
      for (const char* step = s.steps; *step != '\0'; ++step) {
        if (*step == 'D') button->OnMouseDown(50, 15);
        if (*step == 'm') button->OnMouseMove(200, 15);
        if (*step == 'M') button->OnMouseMove(50, 15);
        if (*step == 'U') button->OnMouseUp(s.releaseX, 15);
      }
      EXPECT_TRUE(Received().empty()) << "events are queued, not called";
      EXPECT_EQ(RunEvents(), std::vector<Event>(s.clicks, Event{42, 1}))
          << s.steps << " " << s.releaseX;
      EXPECT_EQ(button->pressState, PressState::Idle) << s.steps;
    }
  }
}

TEST_F(GuiWidgetPressButtons, ButtonFillsByWidthAndThePressedLook) {
  struct Case {
    int32_t width, normal, pressed;
  };
  for (const Case c : {Case{86, 18, 19}, Case{58, 16, 17}, Case{43, 12, 13}, Case{87, 14, 15}}) {
    GUI_Button button(100, 50, c.width, 20, "Go", 1);
    button.OnMouseDown(101, 51);
    button.Draw();
    EXPECT_EQ(TakeDraws(),
              (std::vector<std::string>{Fill(100, 50, c.width, 20, c.pressed),
                                        Text(101 + c.width / 2, 58, 3, 255, 255, 255, "Go", 1)}));
    EXPECT_EQ(button.normalElement, c.normal) << c.width;
  }
}

TEST_F(GuiWidgetPressButtons, ButtonColorFaces) {
  // Skin tiles: the last, narrower tile takes the right-hand part of a tile;
  // a selected button keeps the pressed look (bevel reversed, caption moved).
  GUI_ButtonColor skin(10, 20, 45, 22, "Tab", 1);
  skin.SetSelected(true);
  skin.Draw();
  std::vector<std::string> expected = {Skin(10, 20, 0, 0, 20, 19), Skin(30, 20, 0, 0, 20, 19),
                                       Skin(50, 20, 15, 0, 5, 19)};
  Append(expected, BevelLines(10, 20, 45, 22, {49, 49, 49}, {111, 111, 111}));
  expected.push_back(Text(33, 27, 3, 255, 255, 255, "Tab", 1));
  EXPECT_EQ(TakeDraws(), expected);

  // Solid: pressed shades by 0.9; border x 1.1 capped at 255 and x 0.5.
  GUI_ButtonColor solid(0, 0, 30, 20, "", 1);
  solid.SetFillColor(100, 200, 250);
  solid.SetBorderColor(240, 100, 10);
  solid.OnMouseDown(1, 1);
  solid.Draw();
  expected = {Rgb(0, 0, 30, 20, 90, 180, 225)};
  Append(expected, BevelLines(0, 0, 30, 20, {120, 50, 5}, {255, 110, 11}));
  expected.push_back(Text(16, 6, 3, 255, 255, 255, "", 1));
  EXPECT_EQ(TakeDraws(), expected);

  // Textured: a first row of 19, then 17-pixel rows from two lines lower.
  GUI_ButtonColor textured(0, 0, 20, 40, "", 1);
  textured.SetTexture(2);
  textured.Draw();
  const auto draws = TakeDraws();
  EXPECT_EQ(std::vector<std::string>(draws.begin(), draws.begin() + 3),
            (std::vector<std::string>{Skin(0, 0, 169, 480, 20, 19), Skin(0, 19, 169, 482, 20, 17),
                                      Skin(0, 36, 169, 482, 20, 4)}));
  EXPECT_EQ(draws[3], Rgb(0, 0, 20, 1, 82, 147, 82)) << "style 2's light bevel";
}

using GuiWidgetCheckBox = WidgetTest;

TEST_F(GuiWidgetCheckBox, ReleaseInsideTogglesAndSetCheckedPostsOnlyWithNotify) {
  GUI_CheckBox box(10, 10, 100, 20, "Loot", false, 3, 200, 200, 200);
  box.SetHandler(&Record, 9);
  box.OnMouseUp(50, 15);   // no press on it is needed
  box.OnMouseUp(110, 30);  // inclusive corner
  box.OnMouseUp(111, 15);
  EXPECT_EQ(box.checked, 0);
  EXPECT_EQ(RunEvents(), (std::vector<Event>{{9, 0}, {9, 1}}));  // newest first
  box.SetChecked(true, false);
  EXPECT_TRUE(RunEvents().empty());
  box.SetChecked(false, true);
  EXPECT_EQ(RunEvents(), (std::vector<Event>{{9, 0}}));
}

}  // namespace
