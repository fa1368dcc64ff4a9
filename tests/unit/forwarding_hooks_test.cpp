// Handlers that replace host calls behave like the host until a subsystem
// registers its part, and their continuations reach the right host code.
#include <gtest/gtest.h>

#include "host/handlers.h"
#include "host/hook_points.h"
#include "host/library_data.h"
#include "host/host_functions.h"
#include "sim/address_space.h"
#include "sim/simulator.h"

namespace {

class ForwardingHooks : public ::testing::Test {
 protected:
  void SetUp() override { simulator.Start(); calls().clear(); }
  std::vector<std::string>& calls() { return simulator.Host().HostCalls(); }
  sim::Simulator simulator;
};

TEST_F(ForwardingHooks, TailContinuationsReceiveTheirArguments) {
  simulator.Host().ExecuteCallSite(0x500948, {21, 5});  // DoubleFirstArgument
  simulator.Host().ExecuteCallSite(0x4B3847, {});       // DataRewind
  SpriteGroupIndex = 1;
  simulator.Host().ExecuteCallSite(0x4477D6, {9});      // ResetGroupIndex
  EXPECT_EQ(SpriteGroupIndex, 0);
  EXPECT_EQ(calls(), (std::vector<std::string>{"host:0x571A12(42, 5)", "host:0x4AB720()",
                                               "host:0x4B5E90(9)"}));
}

TEST_F(ForwardingHooks, SpriteHooksKeepTheHostsDrawing) {
  simulator.Host().Draws().clear();
  simulator.Host().ExecuteCallSite(0x4B0012, {1, 2, 3});
  simulator.Host().ExecuteCallSite(0x4AFB8B, {});
  const auto& draws = simulator.Host().Draws();
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].name, "HostSpriteDraw");
  EXPECT_EQ(draws[0].args[0], 0x4AE000);
  EXPECT_EQ(draws[1].args[0], 0x4AE100);
}

TEST_F(ForwardingHooks, LoadGateRunsTheHostLoadSequenceInOrder) {
  StartUpdater();
  // Unknown host routines answer 0, so each following one receives 0.
  EXPECT_EQ(calls(), (std::vector<std::string>{"host:0x4AB620(6544200)", "host:0x4AB610(0)",
                                               "host:0x4FECF0(0)", "host:0x51D620(0)",
                                               "host:0x51D610(0)", "host:0x415C70(0)"}));
}

TEST_F(ForwardingHooks, ReturnZeroStubReplacesTheHostFunction) {
  EXPECT_EQ(simulator.Host().Execute(0x49FE00, {5, 6}), 0u);
  EXPECT_TRUE(calls().empty());
}

}  // namespace
