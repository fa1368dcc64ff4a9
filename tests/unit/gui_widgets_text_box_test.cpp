// The text box: what typing and pasting let in, erasing, select-all, the
// clipboard, and the caret with its scrolling view.
#include <memory>
#include <string>

#include "gui/widgets/text_box.h"
#include "gui_widgets_fixture.h"

namespace {

using namespace widget_test;
namespace vk = gui::vk;

constexpr int32_t kCode = 31;

class GuiWidgetTextBox : public WidgetTest {
 protected:
  // At (10, 20), 100 x 18; font 2 is 6 pixels a character in the simulator,
  // so 15 characters fit between the paddings.
  static std::unique_ptr<GUI_TextBox> MakeBox(const std::string& text, uint32_t maxLength = 20) {
    auto box = std::make_unique<GUI_TextBox>(10, 20, 100, 18, text, 3000, 230, 230, 230);
    box->maxLength = maxLength;
    box->SetHandler(&Record, kCode);
    return box;
  }
  void Type(GUI_TextBox& box, const std::string& text) {
    for (char c : text) box.OnChar(static_cast<unsigned char>(c), 0);
  }
  void Key(GUI_TextBox& box, int32_t key, int times = 1) {
    for (int i = 0; i < times; ++i) box.OnKeyDown(key, 0);
  }
  void CtrlKey(GUI_TextBox& box, int32_t key) {
    simulator.Os().HoldKey(vk::kControl, true);
    box.OnKeyDown(key, 0);
    simulator.Os().HoldKey(vk::kControl, false);
  }
  void DoubleClick(GUI_TextBox& box, uint32_t gapMs = 500) {
    box.OnMouseDown(20, 25);
    Advance(gapMs);
    box.OnMouseDown(20, 25);
  }
  // The draw calls without the thin frame's sheet tiles.
  std::vector<std::string> DrawWithoutFrame(GUI_TextBox& box) {
    box.Draw();
    std::vector<std::string> out;
    for (const std::string& call : TakeDraws()) {
      if (!call.starts_with("HostDrawSkin")) out.push_back(call);
    }
    return out;
  }
  static std::vector<Event> Events(std::initializer_list<int32_t> values) {
    std::vector<Event> out;
    for (int32_t value : values) out.push_back({kCode, value});
    return out;
  }
};

TEST_F(GuiWidgetTextBox, TypedCharacterGates) {
  struct Case {
    const char* name;
    std::string before;
    uint32_t maxLength;
    bool digitsOnly;
    int32_t character;
    std::string after;
    uint32_t caretAt = 0;  // where the character goes
  };
  const Case cases[] = {
      {"letter", "", 5, false, 'a', "a"},
      {"space is the first printable", "", 5, false, ' ', " "},
      {"tilde is the last printable", "", 5, false, '~', "~"},
      {"DEL", "", 5, false, 0x7F, ""},
      {"control code", "", 5, false, 0x07, ""},
      {"Latin letter beyond ASCII", "", 5, false, 0xE9, ""},
      {"euro sign", "", 5, false, 0x20AC, ""},
      {"negative code", "", 5, false, -65, ""},
      {"full box", "abc", 3, false, 'd', "abc"},
      {"no limit set accepts nothing", "", 0, false, 'a', ""},
      {"text above a lowered limit", "abcdef", 3, false, 'x', "abcdef"},
      {"digits only refuses letters", "", 5, true, 'a', ""},
      {"digits only takes digits", "", 5, true, '7', "7"},
      {"at the caret", "ad", 5, false, 'b', "abd", 1},
  };
  for (const Case& c : cases) {
    const auto box = MakeBox(c.before, c.maxLength);
    box->digitsOnly = c.digitsOnly;
    Key(*box, vk::kRight, static_cast<int>(c.caretAt));
    box->OnChar(c.character, 0);
    EXPECT_EQ(box->text, c.after) << c.name;
    const bool inserted = c.after != c.before;
    EXPECT_EQ(RunEvents(), inserted ? Events({1}) : Events({})) << c.name;
    EXPECT_EQ(box->caret, c.caretAt + (inserted ? 1u : 0u)) << c.name;
  }
}

TEST_F(GuiWidgetTextBox, DoubleClickWithin500MsSelectsAllAndTheNextKeyReplacesIt) {
  const auto box = MakeBox("hello");
  box->OnFocus();
  DoubleClick(*box, 501);
  EXPECT_EQ(box->allSelected, 0);
  Advance(1000);
  DoubleClick(*box, 500);
  ASSERT_EQ(box->allSelected, 1);
  EXPECT_EQ(box->caret, 5u);
  EXPECT_EQ(DrawWithoutFrame(*box),
            (std::vector<std::string>{Grey(10, 20, 100, 18, 54), Grey(14, 22, 30, 14, 72),
                                      Text(14, 23, 2, 230, 230, 230, "hello", 0),
                                      Grey(44, 22, 1, 14, 255)}));
  Type(*box, "x");
  EXPECT_EQ(box->text, "x");
  EXPECT_EQ(box->allSelected, 0);
  EXPECT_EQ(RunEvents(), Events({1}));

  Advance(1000);
  DoubleClick(*box, 0);
  Advance(100);
  box->OnMouseDown(20, 25);  // a third press starts over
  EXPECT_EQ(box->allSelected, 0);

  // A refused character over a selection still clears it, and says so.
  box->digitsOnly = 1;
  Advance(1000);
  DoubleClick(*box);
  Type(*box, "a");
  EXPECT_EQ(box->text, "");
  EXPECT_EQ(RunEvents(), Events({2}));
}

TEST_F(GuiWidgetTextBox, EraseKeys) {
  const auto box = MakeBox("hello");
  Key(*box, vk::kBackspace);  // at the start: nothing
  Key(*box, vk::kDelete);
  EXPECT_EQ(box->text, "ello");
  Key(*box, vk::kRight, 9);  // stops at the end
  EXPECT_EQ(box->caret, 4u);
  Key(*box, vk::kDelete);  // at the end: nothing
  Key(*box, vk::kBackspace);
  EXPECT_EQ(box->text, "ell");
  EXPECT_EQ(RunEvents(), Events({2, 2}));

  DoubleClick(*box);
  Key(*box, vk::kBackspace);
  EXPECT_EQ(box->text, "");
  EXPECT_EQ(RunEvents(), Events({2}));

  box->SetText("abc", true);
  DoubleClick(*box);
  Key(*box, vk::kLeft);  // arrows end the selection
  Key(*box, vk::kDelete);
  EXPECT_EQ(box->text, "ab");
}

TEST_F(GuiWidgetTextBox, CopyPutsCrLfLineEndsOnlyWithCtrl) {
  for (const auto& [text, clipboard] : std::vector<std::pair<std::string, std::string>>{
           {"a\nb", "a\r\nb"}, {"a\r\nb", "a\r\nb"}, {"\n\n", "\r\n\r\n"}}) {
    const auto box = MakeBox(text);
    CtrlKey(*box, vk::kC);
    EXPECT_EQ(simulator.Os().clipboard, clipboard);
    EXPECT_EQ(box->text, text);
  }
  simulator.Os().clipboard = "kept";
  Key(*MakeBox("other"), vk::kC);  // without Ctrl a C is just a key
  EXPECT_EQ(simulator.Os().clipboard, "kept");
}

TEST_F(GuiWidgetTextBox, PasteInsertsAtTheCaretWhatFits) {
  struct Case {
    const char* name;
    std::string before;
    uint32_t maxLength;
    bool digitsOnly;
    std::string clipboard;
    bool hasText, failing;
    std::string after;
    uint32_t caret;
  };
  const Case cases[] = {
      {"cut to the room", "abcd", 6, false, "XYZ", true, false, "abXYcd", 4},
      {"full", "abcdef", 6, false, "XYZ", true, false, "abcdef", 2},
      {"digits that fit", "", 3, true, "1a-2 b34", true, false, "123", 3},
      {"no text on the clipboard", "abc", 9, false, "xyz", false, false, "abc", 2},
      {"clipboard failing", "abc", 9, false, "xyz", true, true, "abc", 2},
  };
  for (const Case& c : cases) {
    const auto box = MakeBox(c.before, c.maxLength);
    box->digitsOnly = c.digitsOnly;
    Key(*box, vk::kRight, 2);
    simulator.Os().clipboard = c.clipboard;
    simulator.Os().clipboardHasText = c.hasText;
    simulator.Os().clipboardFailing = c.failing;
    CtrlKey(*box, vk::kV);
    EXPECT_EQ(box->text, c.after) << c.name;
    EXPECT_EQ(box->caret, c.caret) << c.name;
    EXPECT_EQ(RunEvents(), c.after != c.before ? Events({1}) : Events({})) << c.name;
  }
  const auto box = MakeBox("abc");
  CtrlKey(*box, vk::kC);  // still failing
  EXPECT_EQ(simulator.Os().clipboard, "xyz");
}

TEST_F(GuiWidgetTextBox, CaretStaysInsideANarrowBox) {
  // 40 wide, padding 4: five 6-pixel characters stay below 32 pixels.
  GUI_TextBox box(0, 0, 40, 18, "", 1, 255, 255, 255);
  box.maxLength = 20;
  box.OnFocus();
  Type(box, "abcdefgh");
  EXPECT_EQ(box.caret, 8u);
  EXPECT_EQ(box.firstVisible, 3u);
  EXPECT_EQ(DrawWithoutFrame(box).back(), Grey(34, 2, 1, 14, 255)) << "the caret after 5 shown";
  struct Move {
    int32_t key;
    int times;
    uint32_t caret, firstVisible;
  };
  for (const Move m :
       {Move{vk::kLeft, 5, 3, 3}, Move{vk::kLeft, 1, 2, 2}, Move{vk::kLeft, 9, 0, 0},
        Move{vk::kRight, 5, 5, 0}, Move{vk::kRight, 1, 6, 1}, Move{vk::kRight, 9, 8, 3}}) {
    Key(box, m.key, m.times);
    EXPECT_EQ(box.caret, m.caret);
    EXPECT_EQ(box.firstVisible, m.firstVisible) << "caret " << m.caret;
    EXPECT_EQ(box.caretColumn, m.caret - m.firstVisible);
  }
}

TEST_F(GuiWidgetTextBox, CaretBlinksEveryHalfSecondAndMovesShowIt) {
  const auto box = MakeBox("ab");
  box->OnFocus();
  const auto caretDrawn = [&] { return DrawWithoutFrame(*box).size() == 3; };
  EXPECT_TRUE(caretDrawn());
  Advance(499);
  EXPECT_TRUE(caretDrawn());
  Advance(1);
  EXPECT_FALSE(caretDrawn());
  Key(*box, vk::kRight);
  EXPECT_TRUE(caretDrawn());
  box->OnBlur();
  EXPECT_EQ(DrawWithoutFrame(*box).size(), 2u);
}

TEST_F(GuiWidgetTextBox, ClickPutsTheCaretOnTheNearestBoundary) {
  const auto box = MakeBox("abcdef");  // boundaries at x = 14 + 6 i
  for (const auto& [px, caret] :
       std::vector<std::pair<int32_t, uint32_t>>{{0, 0}, {28, 2}, {31, 3}, {500, 6}}) {
    Advance(1000);  // never a double click
    box->OnMouseDown(px, 25);
    EXPECT_EQ(box->caret, caret) << px;
  }
}

TEST_F(GuiWidgetTextBox, SetTextFiltersCutsAndKeepsTheCaretInRange) {
  const auto digits = MakeBox("", 4);
  digits->digitsOnly = 1;
  digits->SetText("a1b2c3d4e5", true);
  EXPECT_EQ(digits->text, "1234");
  EXPECT_EQ(RunEvents(), Events({0}));

  const auto other = MakeBox("abcdef", 10);
  Key(*other, vk::kRight, 6);
  other->SetText("xy", false);
  EXPECT_EQ(other->caret, 2u);
  Key(*other, vk::kBackspace);
  EXPECT_EQ(other->text, "x");

  other->maskChar = '*';  // set after construction, as owners do
  other->SetText("secret", true);
  EXPECT_EQ(other->shownText, "******");

  const auto unlimited = MakeBox("kept", 0);
  unlimited->SetText("gone", true);  // cut to a limit of 0
  EXPECT_EQ(unlimited->text, "");
  RunEvents();
}

}  // namespace
