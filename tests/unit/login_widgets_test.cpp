// The login screen's elements: the saved-accounts list and the clickable label.
#include "gui/widgets/v_scroll_bar.h"
#include "gui_widgets_fixture.h"
#include "login/account_list.h"
#include "login/widgets.h"

namespace {

using namespace widget_test;

// As in the "Saved Accounts" dialog, at (10, 20): 12 rows, the scroll bar at x 180.
constexpr int32_t kX = 10, kY = 20, kW = 183, kH = 158, kRowX = 60;
int32_t RowY(int32_t onScreen) { return kY + 7 + 12 * onScreen; }
std::string Row(int32_t onScreen, int32_t grey) {
  return Grey(12, 22 + 12 * onScreen, 167, 12, grey);
}
std::string Name(int32_t onScreen, int32_t grey, int32_t entry) {
  return Text(13, 23 + 12 * onScreen, 4, grey, grey, grey, "acc" + std::to_string(entry), 0);
}

class LoginWidgets : public WidgetTest {
 protected:
  void TearDown() override {
    login::Accounts() = {};
    WidgetTest::TearDown();
  }
  static std::unique_ptr<GUI_Accounts> List(int32_t entries, int32_t h = kH) {
    login::Accounts() = {};
    for (int32_t i = 0; i < entries; ++i)
      login::Accounts().push_back({"acc" + std::to_string(i), "pw"});
    auto list = std::make_unique<GUI_Accounts>(kX, kY, kW, h, 202);
    list->SetActivateHandler(&Record, 202);
    return list;
  }
  static void Click(GUI_Accounts& list, int32_t py, int32_t px = kRowX) {
    list.OnMouseDown(px, py);
    list.OnMouseUp(px, py);
  }
  // The row bars and names of one Draw.
  std::vector<std::string> Rows(GUI_Accounts& list) {
    list.Draw();
    std::vector<std::string> rows = TakeDraws();
    std::erase_if(rows, [](const std::string& s) {
      return !s.starts_with("RendererFill(1, 12,") && !s.starts_with("HostDrawText");
    });
    return rows;
  }
};

TEST_F(LoginWidgets, SecondPressActivatesOnlyOnTheSameRowBeforeTheDeadline) {
  // Row 0 is selected from the start, but a first press on it does not activate.
  const std::tuple<int32_t, int32_t, uint32_t, size_t> cases[] = {
      {1, 1, 999, 1}, {1, 1, 1000, 0}, {1, 2, 10, 0}, {0, 0, 10, 1}};
  for (const auto& [first, second, delay, posted] : cases) {
    auto list = List(5);
    Click(*list, RowY(first));
    Advance(delay);
    Click(*list, RowY(second));
    EXPECT_EQ(list->selected, second);
    EXPECT_EQ(RunEvents(), std::vector<Event>(posted, {202, 1})) << first << second << " " << delay;
  }
}

TEST_F(LoginWidgets, UpAndDownMoveTheSelectionAndKeepItInView) {
  // entries, selected, scroll position, key, then the selection and position after it
  const int32_t cases[][6] = {{20, 0, 0, 38, 0, 0}, {20, 19, 8, 40, 19, 8}, {20, 11, 0, 40, 12, 1},
                              {20, 5, 5, 38, 4, 4}, {20, 15, 0, 38, 14, 0}, {20, 3, 0, 40, 4, 0},
                              {3, 3, 0, 40, 3, 0},  {3, 3, 0, 38, 2, 0},    {0, 2, 0, 38, 2, 0}};
  for (const auto& [entries, selected, position, key, wantSelected, wantPosition] : cases) {
    auto list = List(entries);
    list->selected = selected;
    list->scrollBar->SetPosition(position, true);
    list->OnKeyDown(key, 0);
    EXPECT_EQ(list->selected, wantSelected) << selected << " key " << key;
    EXPECT_EQ(list->scrollBar->position, wantPosition) << selected << " key " << key;
  }
}

TEST_F(LoginWidgets, WheelAndScrollBarMoveTheViewAndRowsStartThere) {
  auto list = List(15);  // range 3
  // wheel (1 up, 0 down) or, with -1, a press at y on the scroll bar; the position after it
  const int32_t steps[][3] = {{1, 0, 0}, {0, 0, 1},       {-1, kY + 152, 2}, {0, 0, 3},
                              {0, 0, 3}, {-1, kY + 5, 2}, {0, 0, 3}};
  for (const auto& [wheel, py, position] : steps) {
    if (wheel >= 0) list->OnWheel(kRowX, RowY(2), static_cast<uint8_t>(wheel));
    if (wheel < 0) Click(*list, py, 186);
    EXPECT_EQ(list->scrollBar->position, position) << wheel << " " << py;
  }
  EXPECT_EQ(list->scrollBar->state, gui::ScrollState::Idle) << "the release reached the bar";
  Click(*list, RowY(1));
  const std::vector<std::string> rows = Rows(*list);
  ASSERT_EQ(rows.size(), 24u);
  EXPECT_EQ(std::vector(rows.begin(), rows.begin() + 6),
            (std::vector{Row(0, 65), Name(0, 190, 3), Row(1, 112), Name(1, 255, 4), Row(2, 65),
                         Name(2, 190, 5)}));
  EXPECT_EQ(rows.back(), Name(11, 190, 14));
  list->Draw();
  EXPECT_EQ(TakeDraws().back(), Skin(180, kY + 13 + 120, 220, 64, 12, 12)) << "the thumb last";

  auto exact = List(20, 160);  // 13 rows fit exactly: the 13th is drawn too
  exact->scrollBar->SetPosition(7, true);
  EXPECT_EQ(Rows(*exact).back(), Name(12, 190, 19));
}

TEST_F(LoginWidgets, ASelectionPastTheEndIsNeverRead) {
  auto list = List(3);
  Click(*list, RowY(2));
  login::Accounts().pop_back();
  login::Accounts().shrink_to_fit();
  list->UpdateScrollRange();
  EXPECT_EQ(Rows(*list), (std::vector{Row(0, 65), Name(0, 190, 0), Row(1, 72), Name(1, 190, 1)}));
  Click(*list, RowY(2));  // below the last entry: nothing
  EXPECT_EQ(list->selected, 2);
}

// The row bar ends at x + w - 14, where the scroll bar begins; a name
// starts at x + 3, so 166 pixels of font 4 (5 each in the simulator) fit.
TEST_F(LoginWidgets, ANameWiderThanItsRowEndsInDots) {
  const std::pair<std::string, std::string> cases[] = {
      {std::string(33, 'n'), std::string(33, 'n')},          // 165 pixels: fits
      {std::string(34, 'n'), std::string(30, 'n') + "..."},  // 170: 30 and the dots
      {std::string(63, 'n'), std::string(30, 'n') + "..."},
      {std::string(29, 'n') + " long name", std::string(29, 'n') + "..."},  // no blank before
  };
  for (const auto& [name, shown] : cases) {
    auto list = List(0);
    login::Accounts() = {{name, "pw"}};
    list->UpdateScrollRange();
    EXPECT_EQ(Rows(*list), (std::vector{Row(0, 112), Text(13, 23, 4, 255, 255, 255, shown, 0)}))
        << name;
  }
}

// A paste puts the clipboard in as it is; the login box drops its line
// breaks and NULs at once, the caret after the same characters.
TEST_F(LoginWidgets, TheLoginBoxKeepsLineBreaksOutOfAPaste) {
  struct Case {
    std::string before;
    int32_t caretMoves;
    std::string pasted;
    std::string after;
    uint32_t caret;
  };
  const Case cases[] = {
      {"", 0, "secret\r\n", "secret", 6},
      {"xy", 1, "a\r\nb", "xaby", 3},
      {"xy", 2, "\r\n", "xy", 2},
      {"", 0, std::string("ab\0c\rd", 7), "abcd", 4},
      {"xy", 0, "pw", "pwxy", 2},
  };
  for (const Case& c : cases) {
    LoginTextBox box(10, 10, 140, 20, "", 3001, 180, 180, 180);
    box.maxLength = 30;
    box.maskChar = '*';
    box.SetText(c.before, true);
    for (int32_t i = 0; i < c.caretMoves; ++i) box.OnKeyDown(gui::vk::kRight, 0);
    simulator.Os().SetClipboardText(c.pasted);
    simulator.Os().HoldKey(gui::vk::kControl, true);
    box.OnKeyDown(gui::vk::kV, 0);
    simulator.Os().HoldKey(gui::vk::kControl, false);
    EXPECT_EQ(box.text, c.after) << c.after;
    EXPECT_EQ(box.shownText, std::string(c.after.size(), '*')) << c.after;
    EXPECT_EQ(box.caret, c.caret) << c.after;
    EXPECT_EQ(box.caretColumn, box.caret - box.firstVisible) << c.after;
  }
}

TEST_F(LoginWidgets, LabelLightsUpUnderTheMouseAndOpensItsPage) {
  ClickableLabel label(18, 107, 200, 14, "Create", "http://site/?subtopic=x", 107);
  const int32_t moves[][3] = {{18, 107, 220}, {218, 121, 220}, {17, 110, 179}, {100, 122, 179}};
  for (const auto& [px, py, grey] : moves) {
    label.OnMouseMove(px, py);
    label.Draw();
    EXPECT_EQ(TakeDraws(), std::vector{Text(18, 107, 1, grey, grey, grey, "Create", 0)}) << px;
  }
  label.OnMouseDown(219, 110);
  label.OnMouseDown(218, 121);
  EXPECT_EQ(simulator.Os().OpenedPages(), std::vector<std::string>{"http://site/?subtopic=x"});
}

}  // namespace
