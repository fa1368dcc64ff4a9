// The host's main-loop pass reaches OnFrameTick and OnFrameDraw through the
// patched call sites, and the tick's steps run in their order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/frame_hooks.h"
#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/key_repeat.h"
#include "host/task_queue.h"
#include "sim/simulator.h"

namespace {

std::vector<std::string>* journal = nullptr;

class FrameTick : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ClearFrameHooksForTests();
    host::KeyRepeatMap().clear();
    journal = &entries;
    simulator.Start();
    MainWindow = simulator.MainWindowHandle();  // the window procedure's job later
  }
  void TearDown() override { host::ClearFrameHooksForTests(); }

  sim::Simulator simulator;
  std::vector<std::string> entries;
};

TEST_F(FrameTick, AFrameReachesBothHooksThroughThePatchedSites) {
  host::SetSingletonDrawHook([] { journal->push_back("singletons"); });
  host::SetWindowListDrawHook([] { journal->push_back("window list"); });
  PostToMainThread([](void*, void*) { journal->push_back("task"); }, nullptr, nullptr);
  simulator.Frame();
  EXPECT_EQ(entries, (std::vector<std::string>{"task", "singletons", "window list"}));
  // The host's own frame call was made by OnFrameDraw, before the list.
  ASSERT_FALSE(simulator.Host().Draws().empty());
  EXPECT_EQ(simulator.Host().Draws().front().name, "RendererFrame");
}

TEST_F(FrameTick, ReturnsTheHostFlagByte) {
  EXPECT_EQ(simulator.Host().ExecuteCallSite(sim::site::kMainLoopTick, {}), 1u);
  host::Write<uint8_t>(0x63DB3C, 0);
  EXPECT_EQ(simulator.Host().ExecuteCallSite(sim::site::kMainLoopTick, {}), 0u);
}

TEST_F(FrameTick, LeavingTheGameResetsTrackersAndSwitchesScreens) {
  host::RegisterGameLeftReset([] { journal->push_back("reset"); });
  host::RegisterScreenSwitchHook(
      [](bool inGame) { journal->push_back(inGame ? "switch in" : "switch out"); });
  host::SetModalSlotHooks({nullptr, [] { journal->push_back("destroy modal"); }});

  simulator.SetGameState(6);
  simulator.Frame();
  EXPECT_TRUE(entries.empty());

  simulator.SetGameState(8);
  simulator.Frame();
  EXPECT_EQ(entries, (std::vector<std::string>{"destroy modal", "switch in"}));
  entries.clear();
  simulator.Frame();
  EXPECT_TRUE(entries.empty()) << "no crossing, no work";

  simulator.SetGameState(7);
  simulator.Frame();
  EXPECT_EQ(entries, (std::vector<std::string>{"reset", "destroy modal", "switch out"}));
}

TEST_F(FrameTick, AnOpenModalObjectClearsTheHostDialogState) {
  static bool open = true;
  open = true;
  host::SetModalSlotHooks({[] { return open; }, nullptr});
  HostDialogState() = 11;
  simulator.Frame();
  EXPECT_EQ(HostDialogState(), 0);
  HostDialogState() = 11;
  open = false;
  simulator.Frame();
  EXPECT_EQ(HostDialogState(), 11);
}

// A held key repeats every 250 ms, at most twice; a released one is
// forgotten at its first turn.
TEST_F(FrameTick, HeldKeysRepeatEvery250MsAtMostTwice) {
  constexpr int kKey = 0x41, kReleased = 0x42;
  simulator.HostWindowMessages().clear();
  host::KeyRepeatMap()[kKey] = {ClockMillis(), 2};
  host::KeyRepeatMap()[kReleased] = {ClockMillis(), 2};
  simulator.Os().HoldKey(kKey, true);

  simulator.Os().AdvanceClock(249);
  simulator.Frame();
  EXPECT_TRUE(simulator.HostWindowMessages().empty()) << "249 ms is too early";

  simulator.Os().AdvanceClock(1);
  simulator.Frame();
  simulator.Os().AdvanceClock(250);
  simulator.Frame();
  EXPECT_EQ(simulator.HostWindowMessages(), (std::vector<uint32_t>{0x100, 0x100}));
  EXPECT_EQ(host::KeyRepeatMap().at(kKey).remaining, 0);
  EXPECT_EQ(host::KeyRepeatMap().count(kReleased), 0u);

  simulator.Os().AdvanceClock(250);
  simulator.Frame();
  EXPECT_EQ(simulator.HostWindowMessages().size(), 2u);
  EXPECT_EQ(host::KeyRepeatMap().count(kKey), 0u) << "spent entries are removed";
}

}  // namespace
