// GUI_Window: minimising, the title-bar double click, drag and resize limits,
// keys, and the dock's columns. Dragging, resizing across other windows and
// the dock following a resize are played in gui_resize_capture.scn.
#include <gtest/gtest.h>

#include <memory>

#include "gui/dock.h"
#include "gui/screen.h"
#include "gui/window.h"
#include "gui_probe.h"
#include "host/handlers.h"
#include "sim/simulator.h"

namespace {

std::vector<std::pair<int32_t, int32_t>>* handlerCalls = nullptr;
void RecordHandler(int32_t code, int32_t value) { handlerCalls->push_back({code, value}); }

class GuiWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ClientWidth = 800;
    ClientHeight = 600;
    handlerCalls = &calls;
    window = std::make_unique<GUI_Window>(100, 100, 200, 150, "Exp Tracker", 7, false);
  }
  void Wait(uint64_t ms) { simulator.Os().AdvanceClock(ms); }

  sim::Simulator simulator;
  std::vector<std::pair<int32_t, int32_t>> calls;
  std::vector<std::string> log;
  std::unique_ptr<GUI_Window> window;
};

TEST_F(GuiWindow, AMinimisedWindowDrawsNoChildrenAndRestoresItsHeight) {
  window->AddChild(new Probe(10, 30, 20, 20, 5, &log));
  window->SetMinimized(true);
  EXPECT_EQ(window->h, 17);
  window->Draw();
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(window->OnMouseDown(110, 130)) << "the hidden child is not hit";
  window->SetMinimized(false);
  EXPECT_EQ(window->h, 150);
}

TEST_F(GuiWindow, TitleDoubleClickWithin500MsAnd5Pixels) {
  struct Case {
    bool minimizeButton;
    uint64_t gap;
    int32_t dx;
    bool toggles;
  };
  for (const Case c :
       {Case{true, 500, 0, true}, Case{true, 501, 0, false}, Case{true, 100, 5, true},
        Case{true, 100, 6, false}, Case{false, 100, 0, false}}) {
    GUI_Window w(100, 100, 200, 150, "t", 0, false);
    if (c.minimizeButton) w.SetMinimizeHandler(&RecordHandler, 2);
    calls.clear();
    w.OnMouseDown(150, 105);  // a first click at clock 0 is a real click
    w.OnMouseUp(150, 105);
    Wait(c.gap);
    w.OnMouseDown(150 + c.dx, 105);
    EXPECT_EQ(static_cast<bool>(w.minimized), c.toggles) << c.gap << " ms, " << c.dx << " px";
    EXPECT_EQ(calls.size(), c.toggles ? 1u : 0u);
  }
}

TEST_F(GuiWindow, DraggingStopsFourPixelsBeforeTheRightAndBottomEdges) {
  window->OnMouseDown(110, 105);
  window->OnMouseMove(2000, 2000);
  EXPECT_EQ(window->x, 800 - 200 - 4);
  EXPECT_EQ(window->y, 600 - 150 - 4);
}

TEST_F(GuiWindow, ResizingKeepsBetweenMinAndMaxAndStretchesListsAbove50) {
  auto* list = new Probe(10, 60, 20, 60, 2032, &log);
  window->AddChild(list);
  window->OnMouseMove(150, 247);  // within 3 pixels of the bottom edge
  window->OnMouseDown(150, 247);
  ASSERT_TRUE(window->resizing);
  EXPECT_EQ(simulator.Os().CurrentCursor(), sim::CursorShape::SizeNorthSouth);
  window->OnMouseMove(150, 100);  // far above: stops at minHeight 100
  EXPECT_EQ(window->h, 100);
  EXPECT_EQ(list->h, 60) << "a stretched child is not shrunk to 50 or less";
  window->OnMouseMove(150, 1247);  // no maximum
  EXPECT_EQ(window->h, 1150);
  EXPECT_EQ(list->h, 100 + 1150 - 160 - 4);
  window->SetMaxHeight(300);
  EXPECT_EQ(window->h, 300);
  window->SetMinHeight(400);
  EXPECT_EQ(window->h, 400);

  // Destroyed mid-resize, the window hands back the arrow cursor.
  window->Destroy();
  EXPECT_EQ(simulator.Os().CurrentCursor(), sim::CursorShape::Arrow);
}

TEST_F(GuiWindow, ChildHitsAreInclusiveAndCloseFiresOnlyReleasedOnTheButton) {
  window->AddChild(new Probe(10, 30, 20, 20, 5, &log));
  EXPECT_TRUE(window->OnMouseDown(130, 150));  // right and bottom edges
  EXPECT_EQ(log, (std::vector<std::string>{"5 down 130,150"}));

  window->SetCloseHandler(&RecordHandler, 9);
  window->OnMouseDown(290, 105);
  window->OnMouseUp(250, 105);
  EXPECT_TRUE(calls.empty());
  window->OnMouseDown(290, 105);
  window->OnMouseUp(300, 115);
  EXPECT_EQ(calls, (std::vector<std::pair<int32_t, int32_t>>{{9, 0}}));
}

TEST_F(GuiWindow, KeysGoToTheWindowUnderTheMouse) {
  auto* first = new Probe(0, 20, 10, 10, 3000, &log);
  auto* second = new Probe(0, 40, 10, 10, 3001, &log);
  window->AddChild(first);
  window->AddChild(second);
  EXPECT_FALSE(window->OnKeyDown(0x41, 0)) << "mouse never over the window";
  window->OnMouseMove(150, 150);
  EXPECT_TRUE(window->OnKeyDown(0x0D, 0));  // no child 2000: to the focus
  EXPECT_EQ(log, (std::vector<std::string>{"3001 key 13,0"}));
  window->OnKeyDown(0x09, 0);  // Tab wraps from 3001 to 3000
  EXPECT_EQ(window->focus, first);
  window->OnKeyDown(0x09, 0);
  EXPECT_EQ(window->focus, second);

  log.clear();
  window->AddChild(new Probe(40, 30, 20, 20, 2000, &log));
  window->OnKeyDown(0x0D, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"2000 down 140,130", "2000 up 140,130"}));
}

class GuiDock : public ::testing::Test {
 protected:
  void SetUp() override {
    ClientWidth = 1000;
    ClientHeight = 500;
    gui::Dock() = GUI_WindowDock{};
  }
  void TearDown() override {
    windows.clear();
    gui::Dock() = GUI_WindowDock{};
  }
  GUI_Window* Docked(int32_t h) {
    windows.push_back(std::make_unique<GUI_Window>(0, 0, 150, h, "t", 0, true));
    return windows.back().get();
  }
  sim::Simulator simulator;
  std::vector<std::unique_ptr<GUI_Window>> windows;
};

// Stacking and the overflow into the left column are played in
// gui_resize_capture.scn.
TEST_F(GuiDock, MinimisedTakes17AndAWindowMovesOnlyWhenItFitsInTheOtherColumn) {
  GUI_Window* a = Docked(200);
  GUI_Window* b = Docked(200);
  a->SetMinimized(true);
  EXPECT_EQ(b->y, 17 + 4);
  a->SetMinimized(false);
  GUI_Window* c = Docked(200);  // 500 - 408 left in column 0: to column 1
  ASSERT_EQ(c->x, 0);
  // Growing a past the screen: column 1 has no room for it either.
  a->SetMinHeight(480);
  EXPECT_EQ(a->x, 1000 - 352);
  // A tall window stays put across refreshes.
  gui::Dock().Refresh(a);
  EXPECT_EQ(a->x, 1000 - 352);
}

}  // namespace
