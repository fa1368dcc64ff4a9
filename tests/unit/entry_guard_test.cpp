// A failure inside the library never reaches the host: at each entry the
// host gets what it would have got without the library, and a host call the
// library had already made is not made a second time.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "gui/window_sets.h"
#include "host/entry_guard.h"
#include "host/frame_hooks.h"
#include "host/hook_points.h"
#include "host/host_functions.h"
#include "host/task_queue.h"
#include "input/input_hooks.h"
#include "input/window_procedures.h"
#include "sim/address_space.h"
#include "sim/simulator.h"

namespace {

void Fail() { throw std::runtime_error("library fault"); }

class EntryGuard : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.Start();
    simulator.Os().TakeDebugOutput();
  }
  // Puts back the library's own registrations that a case replaced.
  void TearDown() override {
    gui::InstallWindowSets();
    input::Install();
    input::hooks::loginPending = loginPending;
    input::hooks::loginRestore = loginRestore;
  }
  size_t HostDraws(const std::string& name) {
    const auto& draws = simulator.Host().Draws();
    return std::count_if(draws.begin(), draws.end(),
                         [&](const sim::DrawCall& d) { return d.name == name; });
  }
  uintptr_t CreateWindow(uint32_t className, uint32_t parent) {
    return simulator.Host().ExecutePointer(sim::site::kCreateWindowSlot,
                                           {0, className, 0, 0, 0, 0, 100, 100, parent, 0,
                                            0x400000, 0});
  }

  sim::Simulator simulator;
  bool (*loginPending)() = input::hooks::loginPending;
  void (*loginRestore)() = input::hooks::loginRestore;
};

TEST_F(EntryGuard, AFailingTaskEndsAloneAndTheFrameGoesOn) {
  static bool laterTaskRan = false;
  laterTaskRan = false;
  PostToMainThread([](void*, void*) { laterTaskRan = true; }, nullptr, nullptr);
  PostToMainThread([](void*, void*) { Fail(); }, nullptr, nullptr);  // runs first
  host::Write<uint8_t>(host::addr::kFrameTickResult, 1);
  EXPECT_EQ(simulator.Host().ExecuteCallSite(sim::site::kMainLoopTick, {}), 1u);
  EXPECT_TRUE(laterTaskRan);
  EXPECT_EQ(simulator.Os().TakeDebugOutput(), std::vector<std::string>{"ERROR: main-thread task"});
}

TEST_F(EntryGuard, EachEntryGivesTheHostItsOwnOutcome) {
  const uint32_t childClass = sim::AddressSpace::String("Child");
  struct Case {
    const char* entry;
    std::function<void()> breakIt;
    std::function<void()> act;
    std::function<void()> check;
  };
  const Case cases[] = {
      {"OnFrameTick", [] { host::SetSingletonDrawHook(&Fail); },
       [&] { EXPECT_EQ(simulator.Host().ExecuteCallSite(sim::site::kMainLoopTick, {}), 1u); },
       [] {}},
      {"OnFrameDraw", [] { host::SetWindowListDrawHook(&Fail); },
       [&] { simulator.Host().ExecuteCallSite(sim::site::kFrameDraw, std::vector<uint32_t>(10)); },
       [&] { EXPECT_EQ(HostDraws("RendererFrame"), 1u) << "the frame is drawn once"; }},
      {"OnTypedChar", [] { host::hooks::typedChar = [](int32_t) -> bool { throw 1; }; },
       [&] { simulator.Host().ExecuteCallSite(0x4CFB8A, {'q'}); },
       [&] { EXPECT_EQ(simulator.HostCharacters(), "q"); }},
      {"OnCreateWindow",
       [] {
         host::hooks::windowCreated = [](uintptr_t, const char*, int32_t, int32_t, uintptr_t) {
           Fail();
         };
       },
       [&] {
         const uintptr_t first = CreateWindow(childClass, 0);
         EXPECT_NE(first, 0u);
         EXPECT_EQ(CreateWindow(childClass, 0), first + 1) << "one window per creation";
       },
       [] {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    host::Write<uint8_t>(host::addr::kFrameTickResult, 1);
    simulator.Host().Draws().clear();
    c.breakIt();
    ASSERT_NO_THROW(c.act());
    c.check();
    const auto lines = simulator.Os().TakeDebugOutput();
    EXPECT_NE(std::find(lines.begin(), lines.end(), std::string("ERROR: ") + c.entry),
              lines.end());
    TearDown();
  }
}

TEST_F(EntryGuard, AWindowProcedureThatFailsAfterTheHostHadTheMessageAnswersItsResult) {
  static bool pending = true;
  input::hooks::loginPending = [] { return pending; };
  const uintptr_t child = CreateWindow(sim::AddressSpace::String("Login"),
                                       static_cast<uint32_t>(simulator.MainWindowHandle()));
  input::hooks::loginRestore = &Fail;
  simulator.Os().DestroyWindow(child);
  using Message = std::pair<uintptr_t, uint32_t>;
  EXPECT_EQ(simulator.ChildWindowMessages(),
            (std::vector<Message>{{child, 0x0002}, {child, 0x0082}}));
  EXPECT_EQ(simulator.Os().TakeDebugOutput(), std::vector<std::string>{"ERROR: ChildWndProc"});
}

}  // namespace

// A fallback that fails too (its own host call, an allocation) must not
// let the exception out of the entry either: the host gets zero.
TEST(EntryShield, AFailingFallbackStillEndsInTheEntry) {
  sim::Simulator simulator;
  simulator.Start();
  simulator.Os().TakeDebugOutput();
  const int32_t answer = host::Shielded(
      "Twice", []() -> int32_t { Fail(); return 1; }, []() -> int32_t { Fail(); return 2; });
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(simulator.Os().TakeDebugOutput(),
            (std::vector<std::string>{"ERROR: Twice", "ERROR: Twice"}));
  bool reached = false;
  host::Shielded("Void", [] { Fail(); }, [&] { reached = true; Fail(); });
  EXPECT_TRUE(reached);
}
