// The combo box: opening and closing, choosing rows, the registry, the
// scrolled list and the truncated texts.
#include <memory>
#include <string>

#include "gui/widgets/combo_box.h"
#include "gui_widgets_fixture.h"

namespace {

using namespace widget_test;

class GuiWidgetComboBox : public WidgetTest {
 protected:
  // A box at (10, 20), 100 x 18: the list starts at y 38, rows at 40 + 14 i.
  static std::unique_ptr<GUI_ComboBox> MakeBox(int32_t items, int32_t x = 10) {
    auto box = std::make_unique<GUI_ComboBox>(x, 20, 100, 18, 5);
    for (int32_t i = 0; i < items; ++i) box->AddItem("item " + std::to_string(i));
    box->SetHandler(&Record, 77);
    return box;
  }
  static void Click(GUI_ComboBox& box, int32_t px, int32_t py) {
    box.OnMouseDown(px, py);
    box.OnMouseUp(px, py);
  }
  static int32_t RowY(int32_t onScreen) { return 40 + 14 * onScreen + 5; }
};

TEST_F(GuiWidgetComboBox, WhatOpensTheList) {
  struct Case {
    const char* name;
    int32_t items;
    bool enabled;
    int32_t pressX, releaseX;
    bool opens;
  };
  for (const Case c :
       {Case{"text part", 3, true, 50, 50, true},
        Case{"arrow part, right edge", 3, true, 110, 110, true},
        Case{"no items", 0, true, 50, 50, false}, Case{"disabled", 3, false, 50, 50, false},
        Case{"released off the box", 3, true, 50, 300, false}}) {
    auto box = MakeBox(c.items);
    box->enabled = c.enabled ? 1 : 0;
    box->OnMouseDown(c.pressX, 30);
    box->OnMouseUp(c.releaseX, 30);
    EXPECT_EQ(box->open, c.opens ? 1 : 0) << c.name;
    EXPECT_EQ(box->h, c.opens ? 18 + 3 * 14 + 4 : 18) << c.name << ": the element covers the list";
    EXPECT_EQ(box->pressed, 0) << c.name;
  }
}

TEST_F(GuiWidgetComboBox, ChoosingCallsTheHandlerAtOnceAndCloses) {
  auto box = MakeBox(3);
  Click(*box, 50, 25);
  box->OnMouseDown(50, RowY(1));
  EXPECT_EQ(Received(), (std::vector<Event>{{77, 1}})) << "called at once, not queued";
  EXPECT_EQ(box->selected, 1);
  EXPECT_EQ(box->h, 18);

  Received().clear();
  box->Select(3, true);  // outside -1 .. count - 1: ignored
  box->Select(-2, true);
  EXPECT_EQ(box->selected, 1);
  box->Select(-1, true);
  EXPECT_EQ(Received(), (std::vector<Event>{{77, -1}}));
  box->Select(0, false);
  Click(*box, 50, 25);
  box->ClearItems();
  EXPECT_EQ(box->selected, -1);
  EXPECT_EQ(box->open, 0);
  EXPECT_EQ(box->h, 18);
}

TEST_F(GuiWidgetComboBox, PressesOutsideCloseListsAndTheRegistryForgetsFreedBoxes) {
  auto a = MakeBox(3, 10);
  auto b = MakeBox(3, 200);
  Click(*a, 50, 25);
  Click(*b, 250, 25);  // opening one closes the others
  EXPECT_EQ(a->open, 0);
  b->OnMouseDown(500, 500);  // outside the open list: only this list closes
  EXPECT_EQ(b->open, 0);
  EXPECT_TRUE(Received().empty());
  Click(*a, 50, 25);
  b->OnMouseDown(500,
                 500);  // a press elsewhere on a closed box closes every list
  EXPECT_EQ(a->open, 0);

  Click(*a, 50, 25);
  gui::CloseAllComboBoxes(a.get());
  EXPECT_EQ(a->open, 1);
  MakeBox(2).reset();
  gui::CloseAllComboBoxes();  // must not touch the freed box
  EXPECT_EQ(a->open, 0);
}

TEST_F(GuiWidgetComboBox, ScrolledListHitsTheShownRows) {
  auto box = MakeBox(12);  // 8 visible rows, range 4
  Click(*box, 50, 25);
  ASSERT_EQ(box->ListHeight(), 8 * 14 + 4);
  for (uint8_t up : {0, 0, 0, 1}) box->OnWheel(50, 60, up);
  EXPECT_EQ(box->scrollBar->position, 2);

  struct Case {
    int32_t py;
    int32_t selected;  // -1: nothing chosen
  };
  for (const Case c : {Case{RowY(0), 2}, Case{RowY(7), 9}, Case{39, 2},
                       Case{38 + 116, -1}}) {  // the bottom border lies below the 8th row
    box->selected = -1;
    if (box->open == 0) Click(*box, 50, 25);
    box->OnMouseDown(50, c.py);
    EXPECT_EQ(box->selected, c.selected) << c.py;
  }

  // A press on the scroll bar scrolls instead of choosing.
  Received().clear();
  Click(*box, 101, 40 + 116 - 5);  // the bar's second arrow (x 97 .. 109)
  EXPECT_EQ(box->scrollBar->position, 3);
  EXPECT_EQ(box->open, 1);
  EXPECT_TRUE(Received().empty());
}

TEST_F(GuiWidgetComboBox, MovingAnOpenBoxKeepsItsClosedHeight) {
  auto box = MakeBox(3);
  Click(*box, 50, 25);
  // A container moves children with their current (open) size.
  box->SetBounds(box->x + 100, box->y + 50, box->w, box->h);
  EXPECT_EQ(box->closedRect.h, 18);
  EXPECT_EQ(box->h, 18 + 46);
  EXPECT_EQ(box->scrollBar->y, 70 + 18 + 1);
  box->Close();
  EXPECT_EQ(box->h, 18);
}

TEST_F(GuiWidgetComboBox, DrawsTheOpenListWithCutTexts) {
  const std::string exactly35(35, 'a');
  const std::string long36 = std::string(22, 'b') + std::string(14, 'c');
  GUI_ComboBox box(10, 20, 100, 18, 1);
  box.textured = 0;
  box.AddItem(exactly35);
  box.AddItem(long36);
  box.Select(1, false);
  box.OnMouseDown(50, 25);
  box.OnMouseUp(50, 25);
  box.Draw();
  std::vector<std::string> draws = TakeDraws();
  EXPECT_EQ(draws[2], Text(52, 26, 1, 255, 255, 255, std::string(22, 'b') + "...", 1));
  std::vector<std::string> expected = {
      Grey(10, 38, 100, 32, 65),
      Grey(12, 40, 96, 14, 72),  // first row on screen: even band
      Text(15, 43, 1, 200, 200, 200, exactly35, 0),
      Grey(12, 54, 96, 14, 112),  // the selected row
      Text(15, 57, 1, 255, 255, 255, std::string(22, 'b') + std::string(10, 'c') + "...", 0),
  };
  Append(expected, BevelLines(10, 38, 100, 32, {80, 80, 80}, {30, 30, 30}));
  EXPECT_EQ(std::vector<std::string>(draws.begin() + 4, draws.end()), expected);
}

}  // namespace
