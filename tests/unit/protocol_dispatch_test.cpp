// The opcode pump and the dispatcher: range test, table, game-state gate,
// handler failures. Messages go through the host's parsing loop and the
// patched call site (Simulator::ServerMessage).
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <stdexcept>

#include "host/host_functions.h"
#include "protocol/dispatcher.h"
#include "protocol/handler_guard.h"
#include "sim/simulator.h"

namespace {

int calls = 0;
void Count() { ++calls; }
void Other() {}
void Throw() {
  ++calls;
  HostReadU8();  // the payload is read before the failure
  throw std::runtime_error("broken");
}
void LeaveServerState() {
  ++calls;
  HostGameState() = 5;
}

class Dispatcher : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.Start();  // wires the library's own table, which `table` then sets aside
    table.emplace();
    simulator.SetGameState(8);
    calls = 0;
  }
  std::vector<int> Message(std::vector<uint8_t> bytes) { return simulator.ServerMessage(bytes); }

  sim::Simulator simulator;
  std::optional<protocol::ScopedOpcodeTableForTests> table;
};

TEST_F(Dispatcher, OnlyRegisteredOpcodesInTenTo254ReachAHandler) {
  for (int opcode = 10; opcode <= 254; ++opcode) ASSERT_TRUE(protocol::RegisterOpcode(opcode, &Count));
  for (int32_t opcode : {INT_MIN, -2, -1, 0, 9, 255, 256, INT_MAX}) {
    EXPECT_EQ(protocol::Dispatch(opcode), opcode);
  }
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(protocol::Dispatch(11), protocol::kConsumed);
  EXPECT_EQ(protocol::Dispatch(254), protocol::kConsumed);
  EXPECT_EQ(protocol::Dispatch(10), 10);  // run, and parsed by the host too
  EXPECT_EQ(calls, 3);
}

TEST_F(Dispatcher, RegistrationRefusesBadOpcodesAndASecondOwner) {
  EXPECT_FALSE(protocol::RegisterOpcode(9, &Count));
  EXPECT_FALSE(protocol::RegisterOpcode(255, &Count));
  EXPECT_FALSE(protocol::RegisterOpcode(-1, &Count));
  EXPECT_FALSE(protocol::RegisterOpcode(200, nullptr));
  EXPECT_EQ(protocol::Dispatch(200), 200);  // still the host's

  EXPECT_TRUE(protocol::RegisterOpcode(200, &Count));
  EXPECT_TRUE(protocol::RegisterOpcode(200, &Count));  // the same owner again
  EXPECT_FALSE(protocol::RegisterOpcode(200, &Other));
  EXPECT_EQ(protocol::OpcodeOwner(200), &Count);
  EXPECT_EQ(protocol::OpcodeOwner(255), nullptr);
}

TEST_F(Dispatcher, GameStateIsCheckedForEveryOpcode) {
  protocol::RegisterOpcode(200, &Count);
  protocol::RegisterOpcode(201, &LeaveServerState);
  simulator.SetGameState(6);  // the first state the library parses in
  EXPECT_EQ(Message({200, 201, 200, 100}), (std::vector<int>{200, 100}));
  EXPECT_EQ(calls, 2);
}

TEST_F(Dispatcher, AFailingHandlerEndsQuietlyAndThePumpGoesOn) {
  protocol::RegisterOpcode(200, &Throw);
  EXPECT_EQ(Message({200, 7, 100, 200, 7}), std::vector<int>{100});
  EXPECT_EQ(calls, 2);
  EXPECT_TRUE(simulator.Os().TakeDebugOutput().empty());
}

TEST_F(Dispatcher, ReportingGuardWritesTheHandlerNameForTheDebugger) {
  protocol::RunReportingFailure("ParseExaltationHistory", [] { throw std::bad_alloc(); });
  protocol::RunReportingFailure("ParseExaltationUpdateItems", [] {});
  protocol::RunQuietly([] { throw 5; });
  EXPECT_EQ(simulator.Os().TakeDebugOutput(),
            std::vector<std::string>{"ERROR: ParseExaltationHistory"});
}

}  // namespace
