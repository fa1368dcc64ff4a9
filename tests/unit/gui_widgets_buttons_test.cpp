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

using gui::PressInput;
using gui::PressState;
using namespace widget_test;

TEST(GuiWidgetPressMachine, StateTable) {
  struct Row {
    PressState from;
    PressInput input;
    bool inside;
    PressState to;
    bool click;
  };
  constexpr auto kIdle = PressState::Idle, kIn = PressState::PressedInside,
                 kOut = PressState::PressedOutside;
  constexpr auto kDown = PressInput::Down, kMove = PressInput::Move, kUp = PressInput::Up;
  const Row rows[] = {
      {kIdle, kDown, true, kIn, false},    {kIn, kDown, true, kIn, false},
      {kOut, kDown, true, kIn, false},     {kIdle, kMove, true, kIdle, false},
      {kIdle, kMove, false, kIdle, false}, {kIn, kMove, true, kIn, false},
      {kIn, kMove, false, kOut, false},    {kOut, kMove, false, kOut, false},
      {kOut, kMove, true, kIn, false},     {kIdle, kUp, true, kIdle, false},
      {kIdle, kUp, false, kIdle, false},   {kIn, kUp, true, kIdle, true},
      {kIn, kUp, false, kIdle, false},     {kOut, kUp, true, kIdle, true},
      {kOut, kUp, false, kIdle, false},
  };
  for (const Row& row : rows) {
    const gui::PressStep step = gui::StepPress(row.from, row.input, row.inside);
    EXPECT_EQ(step.next, row.to) << int(row.from) << " " << int(row.input) << " " << row.inside;
    EXPECT_EQ(step.click, row.click) << int(row.from) << " " << int(row.input) << " "
                                     << row.inside;
  }
}

using GuiWidgetPressButtons = WidgetTest;

// Every push button must click exactly as the machine says, whatever it draws.
TEST_F(GuiWidgetPressButtons, MouseSequencesClickOnlyOnReleaseAfterPressInside) {
  const std::vector<std::function<std::unique_ptr<GUI_PressElement>()>> makers = {
      [] { return std::make_unique<GUI_Button>(10, 10, 86, 20, "OK", 1); },
      [] { return std::make_unique<GUI_ButtonColor>(10, 10, 86, 20, "Tab", 1); },
      [] { return std::make_unique<GUI_Icon>(10, 10, 86, 20, 4, 0, 0, 12, 0, 1); },
  };
  constexpr int32_t kIn = 50, kOut = 200;  // x inside / outside (10 .. 96)
  struct Step {
    char input;  // 'D'own, 'M'ove, 'U'p
    int32_t px;
  };
  struct Sequence {
    const char* name;
    std::vector<Step> steps;
    size_t clicks;
  };
  const Sequence sequences[] = {
      {"press, release inside", {{'D', kIn}, {'U', kIn}}, 1},
      {"press, leave, release outside", {{'D', kIn}, {'M', kOut}, {'U', kOut}}, 0},
      {"press, leave, come back, release", {{'D', kIn}, {'M', kOut}, {'M', kIn}, {'U', kIn}}, 1},
      {"release without a press", {{'M', kIn}, {'U', kIn}}, 0},
      {"two releases after one press", {{'D', kIn}, {'U', kIn}, {'U', kIn}}, 1},
      {"release on the right edge", {{'D', kIn}, {'U', 96}}, 1},
      {"release one pixel past it", {{'D', kIn}, {'U', 97}}, 0},
  };
  for (const auto& make : makers) {
    for (const Sequence& sequence : sequences) {
      std::unique_ptr<GUI_PressElement> button = make();
      button->SetHandler(&Record, 42);
      for (const Step& step : sequence.steps) {
        if (step.input == 'D') button->OnMouseDown(step.px, 15);
        if (step.input == 'M') button->OnMouseMove(step.px, 15);
        if (step.input == 'U') button->OnMouseUp(step.px, 15);
      }
      EXPECT_TRUE(Received().empty()) << "events are queued, not called";
      EXPECT_EQ(RunEvents(), std::vector<Event>(sequence.clicks, Event{42, 1})) << sequence.name;
      EXPECT_EQ(button->pressState, PressState::Idle) << sequence.name;
    }
  }
}

TEST_F(GuiWidgetPressButtons, ButtonFillByWidthAndPressedLook) {
  struct Case {
    int32_t width, normal, pressed;
  };
  for (const Case c : {Case{86, 18, 19}, Case{58, 16, 17}, Case{43, 12, 13}, Case{87, 14, 15},
                       Case{42, 14, 15}}) {
    GUI_Button button(100, 50, c.width, 20, "Go", 1);
    button.Draw();
    EXPECT_EQ(TakeDraws(), (std::vector<std::string>{
                               Fill(100, 50, c.width, 20, c.normal),
                               Text(100 + c.width / 2, 57, 3, 255, 255, 255, "Go", 1)}));
    button.OnMouseDown(101, 51);
    button.Draw();
    EXPECT_EQ(TakeDraws(), (std::vector<std::string>{
                               Fill(100, 50, c.width, 20, c.pressed),
                               Text(101 + c.width / 2, 58, 3, 255, 255, 255, "Go", 1)}));
    button.OnMouseMove(0, 0);  // dragged off: the normal look returns
    button.Draw();
    EXPECT_EQ(TakeDraws()[0], Fill(100, 50, c.width, 20, c.normal));
  }
}

TEST_F(GuiWidgetPressButtons, ButtonColorSkinFaceTakesTheRightPartOfTheLastTile) {
  GUI_ButtonColor button(10, 20, 45, 22, "Tab", 1);
  button.Draw();
  std::vector<std::string> expected = {Skin(10, 20, 0, 0, 20, 19), Skin(30, 20, 0, 0, 20, 19),
                                       Skin(50, 20, 15, 0, 5, 19)};
  Append(expected, BevelLines(10, 20, 45, 22, {111, 111, 111}, {49, 49, 49}));
  expected.push_back(Text(32, 27, 3, 255, 255, 255, "Tab", 1));
  EXPECT_EQ(TakeDraws(), expected);

  // Selected keeps the pressed look: bevel reversed, caption one pixel right.
  button.SetSelected(true);
  button.Draw();
  const auto draws = TakeDraws();
  EXPECT_EQ(std::vector<std::string>(draws.begin() + 3, draws.end() - 1),
            BevelLines(10, 20, 45, 22, {49, 49, 49}, {111, 111, 111}));
  EXPECT_EQ(draws.back(), Text(33, 27, 3, 255, 255, 255, "Tab", 1));
}

TEST_F(GuiWidgetPressButtons, ButtonColorSolidFillShadesAndCapsComponents) {
  GUI_ButtonColor button(0, 0, 30, 20, "", 1);
  button.SetFillColor(100, 200, 250);
  button.SetBorderColor(240, 100, 10);
  button.SetTextColor(1, 2, 3);
  button.Draw();
  std::vector<std::string> expected = {Rgb(0, 0, 30, 20, 100, 200, 250)};
  Append(expected, BevelLines(0, 0, 30, 20, {255, 110, 11}, {120, 50, 5}));
  expected.push_back(Text(15, 6, 3, 1, 2, 3, "", 1));
  EXPECT_EQ(TakeDraws(), expected);

  button.OnMouseDown(1, 1);
  button.Draw();
  expected = {Rgb(0, 0, 30, 20, 90, 180, 225)};
  Append(expected, BevelLines(0, 0, 30, 20, {120, 50, 5}, {255, 110, 11}));
  expected.push_back(Text(16, 6, 3, 1, 2, 3, "", 1));
  EXPECT_EQ(TakeDraws(), expected);

  button.border = 0;
  button.Draw();
  EXPECT_EQ(TakeDraws().size(), 2u);
}

TEST_F(GuiWidgetPressButtons, ButtonColorTexturedRowsAndStyleColours) {
  GUI_ButtonColor button(0, 0, 30, 40, "", 1);
  button.SetTexture(2);
  button.Draw();
  std::vector<std::string> expected = {
      Skin(0, 0, 169, 480, 20, 19), Skin(20, 0, 179, 480, 10, 19),   // first row
      Skin(0, 19, 169, 482, 20, 17), Skin(20, 19, 179, 482, 10, 17),  // 17-pixel rows
      Skin(0, 36, 169, 482, 20, 4),  Skin(20, 36, 179, 482, 10, 4),   // the rest
  };
  Append(expected, BevelLines(0, 0, 30, 40, {82, 147, 82}, {28, 49, 28}));
  expected.push_back(Text(15, 16, 3, 255, 255, 255, "", 1));
  EXPECT_EQ(TakeDraws(), expected);

  // A low button draws a single row of its own height; unknown styles use
  // the grey skin.
  GUI_ButtonColor low(0, 0, 20, 12, "", 1);
  low.SetTexture(7);
  low.Draw();
  const auto draws = TakeDraws();
  EXPECT_EQ(draws[0], Skin(0, 0, 0, 0, 20, 12));
  EXPECT_EQ(draws[1], Rgb(0, 0, 20, 1, 111, 111, 111));
}

using GuiWidgetCheckBox = WidgetTest;

TEST_F(GuiWidgetCheckBox, ReleaseInsideTogglesAndPostsTheNewState) {
  GUI_CheckBox box(10, 10, 100, 20, "Loot", false, 3, 200, 200, 200);
  box.SetHandler(&Record, 9);
  box.OnMouseUp(50, 15);  // no press on it is needed
  EXPECT_EQ(box.checked, 1);
  EXPECT_EQ(RunEvents(), (std::vector<Event>{{9, 1}}));
  box.OnMouseUp(110, 30);  // inclusive corner
  EXPECT_EQ(RunEvents(), (std::vector<Event>{{9, 0}}));
  box.OnMouseUp(111, 15);
  EXPECT_EQ(box.checked, 0);
  EXPECT_TRUE(RunEvents().empty());
}

TEST_F(GuiWidgetCheckBox, SetCheckedPostsOnlyWithNotify) {
  GUI_CheckBox box(0, 0, 100, 20, "", false, 3, 0, 0, 0);
  box.SetHandler(&Record, 9);
  box.SetChecked(true, false);
  EXPECT_TRUE(RunEvents().empty());
  box.SetChecked(false, true);
  EXPECT_EQ(RunEvents(), (std::vector<Event>{{9, 0}}));
}

}  // namespace
