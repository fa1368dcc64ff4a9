// The side-panel and context-menu commands: the library's own numbers reach
// their registrations, 1016 does nothing, everything else is the host's.
#include <gtest/gtest.h>

#include "enhancements/commands.h"
#include "sim/simulator.h"

namespace {

std::vector<int>* ran = nullptr;

class Commands : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.Start();
    enhancements::ClearCommandsForTests();
    ran = &log;
    simulator.Host().HostCalls().clear();
  }
  void TearDown() override { enhancements::ClearCommandsForTests(); }
  sim::Simulator simulator;
  std::vector<int> log;
};

TEST_F(Commands, PanelCommandsReachTheirRegistrationOrTheHost) {
  ASSERT_TRUE(enhancements::RegisterPanelCommand(1000, [] { ran->push_back(1000); }));
  ASSERT_TRUE(enhancements::RegisterPanelCommand(1018, [] { ran->push_back(1018); }));
  EXPECT_FALSE(enhancements::RegisterPanelCommand(1000, [] {})) << "one owner per command";
  EXPECT_FALSE(enhancements::RegisterPanelCommand(1016, [] {})) << "1016 stays idle";
  EXPECT_FALSE(enhancements::RegisterPanelCommand(1019, [] {}));
  for (uint32_t command : {1000u, 1004u, 1018u}) {
    simulator.Host().ExecutePointer(sim::site::kPanelCommandSlot, {command});
  }
  EXPECT_EQ(log, (std::vector<int>{1000, 1018}));
  EXPECT_TRUE(simulator.Host().HostCalls().empty());
}

TEST_F(Commands, MenuCommands) {
  ASSERT_TRUE(enhancements::RegisterMenuCommand(0x1003, [] { ran->push_back(0x1003); }));
  EXPECT_FALSE(enhancements::RegisterMenuCommand(0x1004, [] {}));
  for (uint32_t command : {0x0FFFu, 0x1000u, 0x1003u, 0x1FFFu, 0x2000u}) {
    simulator.Host().ExecutePointer(sim::site::kMenuCommandSlot, {command});
  }
  EXPECT_EQ(log, (std::vector<int>{0x1003}));
  EXPECT_EQ(simulator.Host().HostCalls(), (std::vector<std::string>{"host:0x44E960(8192)"}));
}

}  // namespace
