// GUI_Dialog placement, frames and input rules, and the window sets that the
// frame draws.
#include <gtest/gtest.h>

#include <memory>

#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/widgets.h"
#include "gui/tooltip.h"
#include "gui/window.h"
#include "gui/window_sets.h"
#include "gui_probe.h"
#include "host/frame_hooks.h"
#include "host/host_functions.h"
#include "sim/simulator.h"

namespace {

TEST(GuiDialogPlace, EveryKindAndNegativePositionsBecomeZero) {
  struct Case {
    int32_t kind, w, h, screenW, screenH, x, y;
  };
  for (const Case c :
       {Case{0, 200, 100, 1024, 768, 410, 334}, Case{1, 200, 100, 1024, 768, 409, 0},
        Case{2, 200, 100, 1024, 768, 109, 664}, Case{3, 200, 100, 1024, 768, 565, 664},
        Case{4, 200, 100, 1024, 768, 739, 664}, Case{5, 200, 100, 1024, 768, 804, 153},
        Case{6, 200, 100, 1024, 768, 412, 334}, Case{2, 900, 700, 640, 480, 0, 0}}) {
    GUI_Dialog dialog(0, 0, c.w, c.h, "d", c.kind);
    dialog.Place(c.screenW, c.screenH);
    EXPECT_EQ(dialog.x, c.x) << "kind " << c.kind;
    EXPECT_EQ(dialog.y, c.y) << "kind " << c.kind;
  }
}

class GuiDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ClientWidth = 800;
    ClientHeight = 600;
    gui::hooks::loginEscape = nullptr;
  }
  void TearDown() override {
    gui::DestroyWindowList();
    gui::DestroyModalDialog();
    gui::DestroySetAsideDialog();
  }
  Probe* AddProbe(GUI_Dialog& d, int32_t x, int32_t y, int32_t id) {
    auto* p = new Probe(x, y, 20, 20, id, &log);
    d.AddChild(p);
    return p;
  }
  sim::Simulator simulator;
  std::vector<std::string> log;
};

TEST_F(GuiDialog, KindOneHasNoTitleBarAndOnlyKindsAboveFourDrag) {
  GUI_Dialog top(10, 0, 100, 50, "Top", 1);
  top.Draw();
  std::vector<int32_t> fills;
  for (const auto& d : simulator.Host().Draws())
    fills.push_back(d.name == "HostFillRect" ? d.args[5] : -1);
  EXPECT_EQ(fills, (std::vector<int32_t>{51, 47, 50, 48})) << "no title bar, no title";

  for (int32_t kind : {0, 4, 5, 7}) {
    GUI_Dialog dialog(100, 100, 200, 100, "d", kind);
    dialog.OnMouseDown(150, 105);
    dialog.OnMouseMove(170, 125);
    EXPECT_EQ(dialog.x, kind > 4 ? 120 : 100) << kind;
  }
}

TEST_F(GuiDialog, EnterAndEscapeClickTheirButtonsElseTheLoginEscapeRuns) {
  GUI_Dialog dialog(0, 0, 300, 200, "d", 7);
  AddProbe(dialog, 10, 30, 2000);
  AddProbe(dialog, 40, 30, 2001);
  dialog.OnKeyDown(0x0D, 0);
  dialog.OnKeyDown(0x1B, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"2000 down 10,30", "2000 up 10,30", "2001 down 40,30",
                                           "2001 up 40,30"}));
  static int escapes = 0;
  escapes = 0;
  gui::hooks::loginEscape = [] { ++escapes; };
  GUI_Dialog login(0, 0, 300, 200, "d", 0);
  login.OnKeyDown(0x1B, 0);
  EXPECT_EQ(escapes, 1);
}

TEST_F(GuiDialog, LoginEnterRules) {
  auto* login = gui::AppendToWindowList(std::make_unique<GUI_Dialog>(0, 0, 232, 185, "Login", 0));
  auto* account = new GUI_TextBox(10, 30, 100, 16, "", 3000, 255, 255, 255);
  auto* password = new GUI_TextBox(10, 60, 100, 16, "", 3001, 255, 255, 255);
  account->maxLength = 30;
  password->maxLength = 30;
  login->AddChild(account);
  login->AddChild(password);
  AddProbe(*login, 10, 100, 100);

  login->OnKeyDown(0x0D,
                   0);  // empty fields, no saved accounts: the login button
  EXPECT_EQ(log.front(), "100 down 10,100");
  log.clear();

  auto* accounts =
      gui::AppendToWindowList(std::make_unique<GUI_Dialog>(500, 100, 200, 300, "Saved", 5));
  AddProbe(*accounts, 10, 250, 201);
  login->OnKeyDown(0x0D, 0);  // the saved accounts' choose button instead
  EXPECT_EQ(log.front(), "201 down 510,350");
  log.clear();

  account->SetText("bob", true);
  password->SetText("secret", true);
  login->OnKeyDown(0x0D, 0);  // both fields filled: log in
  EXPECT_EQ(log.front(), "100 down 10,100");
}

TEST_F(GuiDialog, MouseGoesToTheTopmostChildAndTheReleaseToTheFocus) {
  GUI_Dialog dialog(0, 0, 300, 200, "d", 0);
  AddProbe(dialog, 10, 30, 1);
  AddProbe(dialog, 15, 35, 2);  // overlaps and is on top
  dialog.OnMouseDown(20, 40);
  dialog.OnMouseUp(200, 150);
  EXPECT_EQ(log, (std::vector<std::string>{"2 down 20,40", "2 up 200,150"}));
}

TEST_F(GuiDialog, ModalSlotSetsAsideAndRestores) {
  static std::vector<std::string>* destroyed = nullptr;
  destroyed = &log;
  auto make = [](const char* title) {
    auto d = std::make_unique<GUI_Dialog>(0, 0, 100, 100, title, 0);
    d->onDestroyed = [](GUI_Dialog* dialog) { destroyed->push_back(dialog->title); };
    return d;
  };
  gui::SetModalDialog(make("Store"));
  gui::StackModalDialog(make("Gift"));
  EXPECT_EQ(gui::SetAsideDialog()->title, "Store");
  gui::StackModalDialog(make("Message"));  // the store set aside before is destroyed
  EXPECT_EQ(log, (std::vector<std::string>{"Store"}));
  EXPECT_EQ(gui::RestoreSetAsideDialog()->title, "Gift");
  EXPECT_EQ(log, (std::vector<std::string>{"Store", "Message"}));
  EXPECT_EQ(gui::SetAsideDialog(), nullptr);
}

class WindowSets : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ClearFrameHooksForTests();
    gui::InstallWindowSets();
    simulator.Start();
    ClientWidth = 800;
    ClientHeight = 600;
  }
  void TearDown() override {
    for (int i = 0; i < gui::kSingletonCount; ++i) {
      gui::RegisterSingleton(static_cast<gui::Singleton>(i), nullptr);
    }
    gui::DestroyWindowList();
    gui::DestroyModalDialog();
  }
  sim::Simulator simulator;
};

TEST_F(WindowSets, TheFrameDrawsModalThenSingletonsInDrawOrderThenTheLoginList) {
  static GUI_Window* kill = nullptr;
  static GUI_Window* exp = nullptr;
  static GUI_Window* npc = nullptr;
  kill = new GUI_Window(0, 0, 100, 100, "Kill Tracker", 0, false);
  exp = new GUI_Window(0, 0, 100, 100, "Exp Tracker", 0, false);
  npc = new GUI_Window(0, 0, 100, 100, "NPC Trade", 0, false);
  npc->open = 0;  // hidden windows are not drawn
  gui::RegisterSingleton(gui::Singleton::KillTracker, &kill);
  gui::RegisterSingleton(gui::Singleton::ExpTracker, &exp);
  gui::RegisterSingleton(gui::Singleton::NpcTrade, &npc);
  gui::SetModalDialog(std::make_unique<GUI_Dialog>(0, 0, 100, 100, "Prey", 0));
  gui::DestroyWindowList();  // only this test's dialog, not the login screen's
  gui::AppendToWindowList(std::make_unique<GUI_Dialog>(0, 0, 100, 100, "Journey", 0));
  HostDialogState() = 11;

  simulator.Frame();
  std::vector<std::string> texts;
  for (const auto& d : simulator.Host().Draws()) {
    if (d.name == "HostDrawText") texts.push_back(d.text);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"Prey", "Exp Tracker", "Kill Tracker", "Journey"}));
  EXPECT_EQ(HostDialogState(), 0);

  simulator.SetGameState(8);  // crossing the in-game state destroys the modal dialog
  simulator.Frame();
  EXPECT_EQ(gui::ModalDialog(), nullptr);
  for (GUI_Window** window : {&kill, &exp, &npc}) delete std::exchange(*window, nullptr);
}

// An element that asks for a tooltip whenever it is drawn.
class AsksForTooltip : public GUI_Element {
 public:
  AsksForTooltip() : GUI_Element(0, 0, 10, 10, 0) {}
  void Draw() override { gui::DrawTooltipOnTop(50, 50, "tip"); }
};

TEST_F(WindowSets, ATooltipOfTheModalDialogIsDrawnAfterTheFeatureWindows) {
  // In the game the host's frame skips the login list's draw; crossing into
  // the game first, as that destroys the modal dialog.
  simulator.SetGameState(8);
  simulator.Frame();
  static GUI_Window* exp = nullptr;
  exp = new GUI_Window(0, 0, 100, 100, "Exp Tracker", 0, false);
  gui::RegisterSingleton(gui::Singleton::ExpTracker, &exp);
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, 100, 100, "Prey", 0);
  dialog->AddChild(new AsksForTooltip);
  gui::SetModalDialog(std::move(dialog));
  for (int frame = 0; frame < 2; ++frame) {  // once a frame, never piled up
    simulator.Host().Draws().clear();
    simulator.Frame();
    std::vector<std::string> texts;
    for (const auto& d : simulator.Host().Draws()) {
      if (d.name == "HostDrawText") texts.push_back(d.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Prey", "Exp Tracker", "tip"}));
  }
  delete std::exchange(exp, nullptr);
}

}  // namespace
