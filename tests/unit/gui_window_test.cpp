// GUI_Window: drawing, title-bar double click, dragging, resizing, keys.
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
  // The fills drawn, as "element@x,y,w,h".
  std::vector<std::string> Fills() {
    std::vector<std::string> out;
    for (const auto& d : simulator.Host().Draws()) {
      if (d.name != "HostFillRect") continue;
      out.push_back(std::to_string(d.args[5]) + "@" + std::to_string(d.args[1]) + "," +
                    std::to_string(d.args[2]) + "," + std::to_string(d.args[3]) + "," +
                    std::to_string(d.args[4]));
    }
    simulator.Host().Draws().clear();
    return out;
  }
  void Wait(uint64_t ms) { simulator.Os().AdvanceClock(ms); }

  sim::Simulator simulator;
  std::vector<std::pair<int32_t, int32_t>> calls;
  std::vector<std::string> log;
  std::unique_ptr<GUI_Window> window;
};

TEST_F(GuiWindow, DrawsFrameButtonsChildrenAndGrip) {
  window->SetCloseHandler(&RecordHandler, 1);
  window->SetMinimizeHandler(&RecordHandler, 2);
  window->SetResizeHandler(&RecordHandler, 3);
  window->AddChild(new Probe(10, 30, 20, 20, 5, &log));
  window->Draw();
  EXPECT_EQ(Fills(), (std::vector<std::string>{
                         "51@100,100,200,150", "49@100,100,200,17", "43@100,100,4,17",
                         "44@300,100,4,17", "47@100,117,4,137", "50@104,250,200,4",
                         "48@300,117,4,134", "321@104,103,12,12", "313@275,103,12,12",
                         "311@288,103,12,12", "320@103,239,12,12"}));
  EXPECT_EQ(log, (std::vector<std::string>{"5 draw 110,130"}));
}

TEST_F(GuiWindow, MinimisedDrawingShowsOnlyTheTitleBar) {
  window->SetMinimizeHandler(&RecordHandler, 2);
  window->AddChild(new Probe(10, 30, 20, 20, 5, &log));
  window->SetMinimized(true);
  EXPECT_EQ(window->h, 17);
  window->Draw();
  EXPECT_EQ(Fills(), (std::vector<std::string>{"49@100,100,200,17", "43@100,100,4,17",
                                               "44@300,100,4,16", "321@104,103,12,12",
                                               "315@275,103,12,12", "50@100,117,204,4",
                                               "48@300,116,4,1", "47@100,117,4,1"}));
  EXPECT_TRUE(log.empty());
  window->SetMinimized(false);
  EXPECT_EQ(window->h, 150);
}

TEST_F(GuiWindow, TitleDoubleClickWindowIs500Ms) {
  window->SetMinimizeHandler(&RecordHandler, 2);
  struct Case {
    uint64_t gap;
    int32_t dx;
    bool toggles;
  };
  for (const Case c : {Case{500, 0, true}, Case{501, 0, false}, Case{100, 5, true},
                       Case{100, 6, false}}) {
    window->SetMinimized(false);
    calls.clear();
    Wait(10000);  // forget earlier clicks
    EXPECT_TRUE(window->OnMouseDown(150, 105));
    window->OnMouseUp(150, 105);
    Wait(c.gap);
    window->OnMouseDown(150 + c.dx, 105);
    window->OnMouseUp(150 + c.dx, 105);
    EXPECT_EQ(static_cast<bool>(window->minimized), c.toggles) << c.gap << " ms, " << c.dx << " px";
    EXPECT_EQ(calls.size(), c.toggles ? 1u : 0u);
  }
}

TEST_F(GuiWindow, AFirstTitleClickAtClockZeroIsNotADoubleClick) {
  window->SetMinimizeHandler(&RecordHandler, 2);
  window->OnMouseDown(150, 105);
  EXPECT_FALSE(window->minimized);
}

TEST_F(GuiWindow, WithoutAMinimiseButtonADoubleClickDoesNothingSpecial) {
  window->OnMouseDown(150, 105);
  window->OnMouseUp(150, 105);
  window->OnMouseDown(150, 105);
  EXPECT_FALSE(window->minimized);
  EXPECT_TRUE(window->dragging);
}

TEST_F(GuiWindow, DraggingStopsFourPixelsBeforeTheRightAndBottomEdgesAndAtZero) {
  window->OnMouseDown(110, 105);  // offset (10, 5)
  window->OnMouseMove(2000, 2000);
  EXPECT_EQ(window->x, 800 - 200 - 4);
  EXPECT_EQ(window->y, 600 - 150 - 4);
  window->OnMouseMove(-50, -50);
  EXPECT_EQ(window->x, 0);
  EXPECT_EQ(window->y, 0);
  window->OnMouseUp(0, 0);
  EXPECT_FALSE(window->dragging);
}

TEST_F(GuiWindow, ChildrenMoveWithTheWindow) {
  auto* probe = new Probe(10, 30, 20, 20, 5, &log);
  window->AddChild(probe);
  EXPECT_EQ(probe->x, 110);
  window->OnMouseDown(110, 105);
  window->OnMouseMove(130, 125);
  EXPECT_EQ(probe->x, 130);
  EXPECT_EQ(probe->y, 150);
}

TEST_F(GuiWindow, ResizingByTheBottomEdgeRespectsMinAndMaxHeight) {
  auto* list = new Probe(10, 60, 20, 60, 2032, &log);
  window->AddChild(list);
  window->OnMouseMove(150, 249);  // within 3 pixels of the bottom edge
  ASSERT_TRUE(window->overResizeZone);
  window->OnMouseDown(150, 249);
  ASSERT_TRUE(window->resizing);
  window->OnMouseMove(150, 100);  // far above: clamps to minHeight 100
  EXPECT_EQ(window->h, 100);
  EXPECT_EQ(list->h, 60) << "a stretched child is not shrunk to 50 or less";
  window->OnMouseMove(150, 1249);  // no maximum
  EXPECT_EQ(window->h, 1150);
  EXPECT_EQ(list->h, 100 + 1150 - 160 - 4);
  window->OnMouseUp(150, 1249);
  EXPECT_FALSE(window->resizing);

  window->SetMaxHeight(300);
  EXPECT_EQ(window->h, 300);
  window->SetMinHeight(400);
  EXPECT_EQ(window->h, 400);
}

TEST_F(GuiWindow, ChildHitTestsAreInclusive) {
  window->AddChild(new Probe(10, 30, 20, 20, 5, &log));
  EXPECT_TRUE(window->OnMouseDown(130, 150));  // right and bottom edges
  EXPECT_EQ(log, (std::vector<std::string>{"5 down 130,150"}));
}

TEST_F(GuiWindow, CloseButtonFiresOnlyWhenReleasedOnIt) {
  window->SetCloseHandler(&RecordHandler, 9);
  window->OnMouseDown(290, 105);
  window->OnMouseUp(250, 105);
  EXPECT_TRUE(calls.empty());
  window->OnMouseDown(290, 105);
  window->OnMouseUp(295, 110);
  EXPECT_EQ(calls, (std::vector<std::pair<int32_t, int32_t>>{{9, 0}}));
}

TEST_F(GuiWindow, KeysGoToTheWindowUnderTheMouse) {
  auto* field = new Probe(10, 30, 20, 20, 3000, &log);
  window->AddChild(field);
  EXPECT_FALSE(window->OnKeyDown(0x41, 0)) << "mouse never over the window";
  window->OnMouseMove(150, 150);
  EXPECT_TRUE(window->OnKeyDown(0x0D, 0));  // no child 2000: to the focus
  EXPECT_EQ(log, (std::vector<std::string>{"3000 key 13,0"}));
  log.clear();
  window->AddChild(new Probe(40, 30, 20, 20, 2000, &log));
  window->OnKeyDown(0x0D, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"2000 down 140,130", "2000 up 140,130"}));
}

TEST_F(GuiWindow, TabWalksTheTabOrderAndWrapsTo3000) {
  auto* a = new Probe(0, 20, 10, 10, 3000, &log);
  auto* b = new Probe(0, 40, 10, 10, 3001, &log);
  window->AddChild(a);
  window->AddChild(b);
  window->OnMouseMove(150, 150);
  ASSERT_EQ(window->focus, b);
  window->OnKeyDown(0x09, 0);
  EXPECT_EQ(window->focus, a);
  window->OnKeyDown(0x09, 0);
  EXPECT_EQ(window->focus, b);
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

TEST_F(GuiDock, StacksWindowsInColumnZeroThenOverflowsToColumnOne) {
  GUI_Window* a = Docked(200);
  GUI_Window* b = Docked(200);
  GUI_Window* c = Docked(200);  // 500 - 408 left in column 0: too little
  EXPECT_EQ(a->x, 1000 - 352);
  EXPECT_EQ(a->y, 0);
  EXPECT_EQ(b->y, 204);
  EXPECT_EQ(c->x, 0);
  EXPECT_EQ(c->y, 0);
}

TEST_F(GuiDock, AMinimisedWindowTakesSeventeenPixelsPlusTheGap) {
  GUI_Window* a = Docked(200);
  GUI_Window* b = Docked(200);
  a->SetMinimized(true);
  EXPECT_EQ(b->y, 17 + 4);
  a->SetMinimized(false);
  EXPECT_EQ(b->y, 204);
}

TEST_F(GuiDock, AWindowMovesOnlyWhenItFitsInTheOtherColumn) {
  GUI_Window* a = Docked(300);
  GUI_Window* b = Docked(300);  // goes to column 1
  ASSERT_EQ(b->x, 0);
  // Growing a past the screen: column 1 has no room for it either.
  a->SetMinHeight(480);
  EXPECT_EQ(a->x, 1000 - 352);
  // A tall window alone in its column stays put across refreshes.
  gui::Dock().Refresh(a);
  EXPECT_EQ(a->x, 1000 - 352);
}

TEST_F(GuiDock, RelayoutFollowsTheScreenSize) {
  GUI_Window* a = Docked(100);
  ClientWidth = 1200;
  a->Draw();  // the dock checks the screen size before drawing
  EXPECT_EQ(a->x, 1200 - 352);
}

}  // namespace
