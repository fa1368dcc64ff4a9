// The subclassed main window: routing of mouse, keyboard and window messages
// to the library's windows before the host, typed-character shortcuts, and
// the exit warning.
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "enhancements/exit_warning.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/window.h"
#include "gui/window_sets.h"
#include "gui_probe.h"
#include "host/frame_hooks.h"
#include "host/host_functions.h"
#include "host/key_repeat.h"
#include "host/task_queue.h"
#include "input/input_hooks.h"
#include "input/input_state.h"
#include "sim/address_space.h"
#include "sim/simulator.h"

namespace {

constexpr uint32_t kWmSize = 0x0005, kWmKeyDown = 0x0100, kWmKeyUp = 0x0101,
                   kWmSysCommand = 0x0112, kWmLButtonDown = 0x0201, kWmLButtonUp = 0x0202,
                   kWmMouseWheel = 0x020A;

intptr_t Point(int32_t x, int32_t y) {
  return static_cast<intptr_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) |
                               static_cast<uint32_t>(x & 0xFFFF));
}

GUI_Window* tracker = nullptr;

class Input : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.SetScreen(1024, 768);
    simulator.Start();
    tracker = nullptr;
    gui::RegisterSingleton(gui::Singleton::KillTracker, &tracker);
    host::KeyRepeatMap().clear();
    input::WalkMode = false;
    input::ChatModeButtonOn = false;
    input::MountRequested = false;
  }
  void TearDown() override {
    gui::RegisterSingleton(gui::Singleton::KillTracker, nullptr);
    delete tracker;
    tracker = nullptr;
    gui::DestroyModalDialog();
    gui::DestroySetAsideDialog();
  }
  void EnterGame() {
    simulator.SetGameState(8);
    simulator.Frame();
  }
  void OpenTracker() {
    tracker = new GUI_Window(100, 100, 200, 200, "Kill Tracker", 0, false);
    tracker->AddChild(new Probe(10, 30, 50, 50, 7, &log));
  }
  std::vector<sim::Packet> TakeSent() { return std::exchange(simulator.Host().Sent(), {}); }

  sim::Simulator simulator;
  std::vector<std::string> log;
};

TEST_F(Input, UntakenMessagesReachTheHostWindow) {
  simulator.SendToMainWindow(kWmLButtonDown, 0, Point(500, 500));
  simulator.SendToMainWindow(kWmLButtonUp, 0, Point(500, 500));
  EXPECT_EQ(simulator.PassedMessages(), (std::vector<uint32_t>{kWmLButtonDown, kWmLButtonUp}));
}

TEST_F(Input, ASingletonTakesItsClicksAndCapturesTheMouse) {
  OpenTracker();
  simulator.SendToMainWindow(kWmLButtonDown, 0, Point(160, 180));  // right and bottom edge
  EXPECT_EQ(simulator.Os().CapturedWindow(), simulator.MainWindowHandle());
  simulator.SendToMainWindow(kWmLButtonUp, 0, Point(160, 180));
  EXPECT_EQ(simulator.Os().CapturedWindow(), 0u);
  EXPECT_TRUE(simulator.PassedMessages().empty());
  EXPECT_EQ(log.front(), "7 down 160,180");
}

TEST_F(Input, WmSizeOnlyWhenRestoredOrMaximised) {
  simulator.SendToMainWindow(kWmSize, 1, Point(300, 200));  // minimised
  EXPECT_EQ(ClientWidth, 1024);
  EXPECT_EQ(ClientHeight, 768);
  simulator.SendToMainWindow(kWmSize, 2, Point(1280, 1024));
  EXPECT_EQ(ClientWidth, 1280);
  EXPECT_EQ(ClientHeight, 1024);
  EXPECT_EQ(simulator.PassedMessages().size(), 2u);
}

TEST_F(Input, WheelNotchesAndScreenCoordinates) {
  OpenTracker();
  struct Case {
    int16_t delta;
    std::vector<std::string> calls;
  };
  for (const Case& c : {Case{60, {"7 wheel up 120,140"}},
                        Case{-240, {"7 wheel down 120,140", "7 wheel down 120,140"}},
                        Case{121, {"7 wheel up 120,140", "7 wheel up 120,140"}}}) {
    log.clear();
    const auto wParam = static_cast<uintptr_t>(static_cast<uint16_t>(c.delta)) << 16;
    const int32_t sx = 120 + simulator.Os().clientOriginX, sy = 140 + simulator.Os().clientOriginY;
    simulator.SendToMainWindow(kWmMouseWheel, wParam, Point(sx, sy));
    EXPECT_EQ(log, c.calls) << c.delta;
  }
  EXPECT_TRUE(simulator.PassedMessages().empty());
}

TEST_F(Input, AKeyTakenByASingletonRepeatsAtMostTwice) {
  OpenTracker();
  simulator.SendToMainWindow(0x0200, 0, Point(150, 150));  // hover: keys follow the mouse
  simulator.Os().HoldKey('A', true);
  simulator.SendToMainWindow(kWmKeyDown, 'A', 1);
  for (int i = 0; i < 6; ++i) {
    simulator.Os().AdvanceClock(250);
    simulator.Frame();
  }
  int keys = 0;
  for (const auto& entry : log) keys += entry.rfind("7 key", 0) == 0;
  EXPECT_EQ(keys, 3) << "the press and two repeats";
  EXPECT_TRUE(host::KeyRepeatMap().empty());
}

TEST_F(Input, KeyUpForgetsTheRepeat) {
  simulator.SendToMainWindow(kWmKeyDown, 'B', 1);
  EXPECT_EQ(host::KeyRepeatMap().count('B'), 1u);
  simulator.SendToMainWindow(kWmKeyUp, 'B', 1);
  EXPECT_EQ(host::KeyRepeatMap().count('B'), 0u);
}

TEST_F(Input, ClosingInGameAsksFirstOutsideTheGameCloses) {
  simulator.SendToMainWindow(kWmSysCommand, 0xF060, 0);
  EXPECT_EQ(simulator.PassedMessages(), (std::vector<uint32_t>{kWmSysCommand}));
  EXPECT_EQ(enhancements::ExitWarningDialog, nullptr);
  simulator.PassedMessages().clear();

  EnterGame();
  simulator.SendToMainWindow(kWmSysCommand, 0xF060, 0);
  EXPECT_TRUE(simulator.PassedMessages().empty());
  EXPECT_EQ(TakeSent(), (std::vector<sim::Packet>{{0x5B, 1}}));
  ASSERT_NE(enhancements::ExitWarningDialog, nullptr);
  EXPECT_EQ(gui::ModalDialog(), enhancements::ExitWarningDialog);
  EXPECT_EQ(gui::ModalDialog()->title, "Warning");
}

TEST_F(Input, ExitWarningButtons) {
  EnterGame();
  auto previous = std::make_unique<GUI_Dialog>(0, 0, 100, 100, "Prey", 0);
  gui::SetModalDialog(std::move(previous));
  simulator.SendToMainWindow(kWmSysCommand, 0xF060, 0);
  TakeSent();

  enhancements::OnExitWarningCommand(enhancements::kCancelCommand, 1);
  EXPECT_EQ(TakeSent(), (std::vector<sim::Packet>{{0x5B, 0}}));
  EXPECT_EQ(enhancements::ExitWarningDialog, nullptr);
  ASSERT_NE(gui::ModalDialog(), nullptr);
  EXPECT_EQ(gui::ModalDialog()->title, "Prey") << "the dialog it had set aside comes back";

  simulator.SendToMainWindow(kWmSysCommand, 0xF060, 0);
  TakeSent();
  enhancements::OnExitWarningCommand(enhancements::kLogoutCommand, 1);
  EXPECT_EQ(TakeSent(), (std::vector<sim::Packet>{{0x14}}));

  simulator.SendToMainWindow(kWmSysCommand, 0xF060, 0);
  TakeSent();
  enhancements::OnExitWarningCommand(enhancements::kExitCommand, 1);
  EXPECT_EQ(TakeSent(), (std::vector<sim::Packet>{{0x5B, 1}}));
  EXPECT_TRUE(simulator.Os().Exited());
  EXPECT_EQ(simulator.Os().ExitCode(), 0u);
}

TEST_F(Input, WalkModeMovesWithLettersOfEitherCase) {
  EnterGame();
  simulator.Os().HoldKey(0x11, true);
  simulator.Os().HoldKey('X', true);
  simulator.Host().ExecuteCallSite(0x4CFB8A, {0x18});  // Ctrl+X
  simulator.Os().HoldKey(0x11, false);
  simulator.Os().HoldKey('X', false);
  ASSERT_TRUE(input::WalkMode);
  EXPECT_EQ(simulator.HostCharacters(), "\x18") << "the control character still reaches the host";
  simulator.HostCharacters().clear();

  for (int32_t c : {'W', 'w', 'X', 'x', '7'}) simulator.Host().ExecuteCallSite(0x4CFB8A, {static_cast<uint32_t>(c)});
  using Key = std::pair<uint8_t, bool>;
  EXPECT_EQ(simulator.Os().SyntheticKeys(),
            (std::vector<Key>{{0x26, false}, {0x26, true}, {0x26, false}, {0x26, true}}));
  EXPECT_EQ(simulator.HostCharacters(), "X7");
}

TEST(InputMainWindow, SeeingTheMainWindowAdjustsTheHostLayout) {
  sim::Simulator simulator;
  host::Write<int32_t>(0x64B62C, 100);
  host::Write<int32_t>(0x64AC78, 1);
  simulator.Start();
  EXPECT_EQ(host::Read<int32_t>(0x64B62C), 120);
  EXPECT_EQ(host::Read<int32_t>(0x64AC78), 150);
  EXPECT_EQ(host::Read<int32_t>(0x79CDE0), 350);
  const uint32_t table = host::Read<uint32_t>(0x79CDE4) + 4784;
  auto rect = [&](int i) {
    std::array<int32_t, 4> r{};
    for (int k = 0; k < 4; ++k) r[k] = host::Read<int32_t>(table + i * 16 + k * 4);
    return r;
  };
  EXPECT_EQ(rect(0), (std::array<int32_t, 4>{0, 320, 43, 20}));
  EXPECT_EQ(rect(6), (std::array<int32_t, 4>{0, 288, 43, 13}));
  EXPECT_EQ(rect(30), (std::array<int32_t, 4>{263, 0, 2, 64}));
  EXPECT_EQ(rect(50), (std::array<int32_t, 4>{149, 500, 20, 20}));
  EXPECT_EQ(rect(51), (std::array<int32_t, 4>{})) << "nothing after the 51st";
  EXPECT_EQ(ClientWidth, 800);
  EXPECT_NE(input::HostWindowProc, 0u);
}

TEST_F(Input, CtrlXWritesTheChatModeRectangle) {
  const uint32_t block = host::Read<uint32_t>(0x79CDE4);
  EnterGame();
  input::ToggleWalkMode();
  const uint32_t rect = block + 4784 + 6 * 16;
  EXPECT_EQ(host::Read<int32_t>(rect), 43);
  EXPECT_EQ(host::Read<int32_t>(rect + 4), 288);
  input::ToggleWalkMode();
  EXPECT_EQ(host::Read<int32_t>(rect), 0);
}

TEST_F(Input, CtrlMSendsTheMountRequestOutsideTheGame) {
  simulator.Os().HoldKey(0x11, true);
  simulator.Os().HoldKey('M', true);
  simulator.Host().ExecuteCallSite(0x4CFB8A, {0x0D});
  simulator.Host().ExecuteCallSite(0x4CFB8A, {0x0D});
  EXPECT_EQ(TakeSent(), (std::vector<sim::Packet>{{0xD4, 1}, {0xD4, 0}}));
}

TEST_F(Input, DestroyKeepsTheTaskQueueUsable) {
  gui::AppendToWindowList(std::make_unique<GUI_Dialog>(0, 0, 10, 10, "Login", 0));
  simulator.SendToMainWindow(0x0002, 0, 0);
  EXPECT_TRUE(gui::WindowList().empty());
  static bool ran = false;
  ran = false;
  PostToMainThread([](void*, void*) { ran = true; }, nullptr, nullptr);
  simulator.Frame();
  EXPECT_TRUE(ran);
}

}  // namespace

namespace {

bool pending = false;
int restores = 0;

TEST(InputLoginChild, TheLoginChildIsSubclassedWhileALoginIsPending) {
  sim::Simulator simulator;
  simulator.Start();
  input::hooks::loginPending = [] { return pending; };
  input::hooks::loginRestore = [] { ++restores; };
  pending = false;
  restores = 0;
  const uint32_t childClass = sim::AddressSpace::String("LoginChild");
  auto createChild = [&] {
    return static_cast<uintptr_t>(simulator.Host().ExecutePointer(
        sim::site::kCreateWindowSlot,
        {0, childClass, 0, 0, 0, 0, 100, 100, static_cast<uint32_t>(simulator.MainWindowHandle()),
         0, 0x400000, 0}));
  };
  createChild();
  EXPECT_EQ(input::LoginChildWindow, 0u) << "no login pending";

  pending = true;
  const uintptr_t child = createChild();
  EXPECT_EQ(input::LoginChildWindow, child);
  createChild();
  EXPECT_EQ(input::LoginChildWindow, child) << "only one at a time";

  simulator.Os().SendWindowMessage(child, 0x0002, 0, 0);  // WM_DESTROY
  EXPECT_EQ(input::LoginChildWindow, 0u);
  EXPECT_EQ(restores, 1);
  input::hooks::loginPending = nullptr;
  input::hooks::loginRestore = nullptr;
}

}  // namespace
