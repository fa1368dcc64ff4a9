// The subclassed main window: routing of mouse, keyboard and window messages
// to the library's windows before the host, typed-character shortcuts, and
// the exit warning.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <memory>

#include "enhancements/exit_warning.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/window.h"
#include "gui/window_sets.h"
#include "gui_probe.h"
#include "host/appearance/data_files.h"
#include "host/frame_hooks.h"
#include "host/host_functions.h"
#include "host/key_repeat.h"
#include "host/task_queue.h"
#include "input/input_hooks.h"
#include "input/input_state.h"
#include "sim/address_space.h"
#include "sim/appearance_writer.h"
#include "sim/simulator.h"

namespace {

constexpr uint32_t kWmKeyDown = 0x0100, kWmKeyUp = 0x0101,
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

TEST_F(Input, ASingletonTakesItsClicksAndCapturesTheMouse) {
  OpenTracker();
  simulator.SendToMainWindow(kWmLButtonDown, 0, Point(160, 180));  // right and bottom edge
  EXPECT_EQ(simulator.Os().CapturedWindow(), simulator.MainWindowHandle());
  simulator.SendToMainWindow(kWmLButtonUp, 0, Point(160, 180));
  EXPECT_EQ(simulator.Os().CapturedWindow(), 0u);
  EXPECT_TRUE(simulator.PassedMessages().empty());
  EXPECT_EQ(log.front(), "7 down 160,180");
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

// Closing again while the warning is up replaces it; whichever warning the
// player then cancels, the dialog the first one set aside comes back.
TEST_F(Input, TheWarningOfRepeatedClosesRestoresTheDialogItSetAside) {
  EnterGame();
  gui::SetModalDialog(std::make_unique<GUI_Dialog>(0, 0, 100, 100, "Prey", 0));
  for (int i = 0; i < 3; ++i) simulator.SendToMainWindow(kWmSysCommand, 0xF060, 0);
  ASSERT_NE(enhancements::ExitWarningDialog, nullptr);
  EXPECT_EQ(gui::SetAsideDialog()->title, "Prey");
  TakeSent();

  enhancements::OnExitWarningCommand(enhancements::kCancelCommand, 1);
  EXPECT_EQ(TakeSent(), (std::vector<sim::Packet>{{0x5B, 0}}));
  EXPECT_EQ(enhancements::ExitWarningDialog, nullptr);
  ASSERT_NE(gui::ModalDialog(), nullptr);
  EXPECT_EQ(gui::ModalDialog()->title, "Prey");
  EXPECT_EQ(gui::SetAsideDialog(), nullptr);
}

// The saved-accounts dialog (kind 5) hands the arrows to its list; without
// one they go to the focused child like any other key.
TEST_F(Input, ArrowsInASavedAccountsDialogWithoutItsList) {
  simulator.Frame();  // out of the game: the login dialogs take keys
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, 200, 100, "Accounts", 5);
  dialog->AddChild(new Probe(10, 30, 50, 20, 7, &log));
  gui::AppendToWindowList(std::move(dialog));
  simulator.SendToMainWindow(kWmKeyDown, 0x26, 1);  // VK_UP
  simulator.SendToMainWindow(kWmKeyDown, 0x28, 1);  // VK_DOWN
  EXPECT_EQ(log, (std::vector<std::string>{"7 key 38,0", "7 key 40,0"}));
  gui::DestroyWindowList();
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

// The main window's end: the login dialogs and the mapped data files go,
// the task queue stays usable for workers that still post.
TEST_F(Input, DestroyTearsDownButKeepsTheTaskQueue) {
  sim::appearance_file::AppearanceFileWriter writer;
  writer.Set(appearance::Category::Outfit, 1);
  writer.WriteTo(HostDataFilePath(appearance::kAppearanceFile, 0));
  std::ofstream(HostDataFilePath(appearance::kSpriteFile, 0), std::ios::binary) << '\x09';
  simulator.Host().ExecuteCallSite(0x4CC244, {0});  // LoadDataFiles
  const auto readFirstSpriteByte = [&] {
    simulator.Host().ExecuteCallSite(0x4ABEC9, {0});    // DataSeek
    return simulator.Host().Execute(0x507A45, {});      // DataReadU8
  };
  ASSERT_EQ(readFirstSpriteByte(), 9u);
  gui::AppendToWindowList(std::make_unique<GUI_Dialog>(0, 0, 10, 10, "Login", 0));

  simulator.Os().DestroyWindow(simulator.MainWindowHandle());
  EXPECT_TRUE(gui::WindowList().empty());
  EXPECT_EQ(readFirstSpriteByte(), 0u) << "the sprite file is unmapped";
  static bool ran = false;
  ran = false;
  PostToMainThread([](void*, void*) { ran = true; }, nullptr, nullptr);
  simulator.Frame();
  EXPECT_TRUE(ran);
  EXPECT_EQ(simulator.HostWindowMessages().back(), 0x0082u) << "WM_NCDESTROY reaches the host";
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

  simulator.Os().DestroyWindow(child);
  EXPECT_EQ(input::LoginChildWindow, 0u);
  EXPECT_EQ(restores, 1);
  // Its own procedure has the window to the end: WM_NCDESTROY follows.
  using Message = std::pair<uintptr_t, uint32_t>;
  EXPECT_EQ(simulator.ChildWindowMessages(),
            (std::vector<Message>{{child, 0x0002}, {child, 0x0082}}));
  input::hooks::loginPending = nullptr;
  input::hooks::loginRestore = nullptr;
}

}  // namespace
