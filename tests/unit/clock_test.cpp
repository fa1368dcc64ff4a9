// ClockMillis on both time sources.
#include <gtest/gtest.h>

#include "host/clock.h"
#include "host/handlers.h"
#include "sim/simulator.h"

namespace {

TEST(ClockMillis, CountsFromItsFirstCallOnThePerformanceCounter) {
  sim::Simulator simulator;
  host::ResetClockForTests();
  simulator.Os().AdvanceClock(5000);
  EXPECT_EQ(ClockMillis(), 0u);
  simulator.Os().AdvanceClock(1234);
  EXPECT_EQ(ClockMillis(), 1234u);
}

TEST(ClockMillis, FallsBackToTheWallClockWithMilliseconds) {
  sim::Simulator simulator;
  simulator.Os().SetPerformanceCounterAvailable(false);
  host::ResetClockForTests();
  simulator.Os().AdvanceClock(999);
  EXPECT_EQ(ClockMillis(), 0u);
  simulator.Os().AdvanceClock(1501);  // crosses a second boundary
  EXPECT_EQ(ClockMillis(), 1501u);
  // The choice is made once: the counter coming back changes nothing.
  simulator.Os().SetPerformanceCounterAvailable(true);
  simulator.Os().AdvanceClock(10);
  EXPECT_EQ(ClockMillis(), 1511u);
}

TEST(ClockMillis, WrapsAroundAt32Bits) {
  sim::Simulator simulator;
  host::ResetClockForTests();
  EXPECT_EQ(ClockMillis(), 0u);
  simulator.Os().AdvanceClock(0x100000000ull + 7);
  EXPECT_EQ(ClockMillis(), 7u);
}

TEST(ClockMillis, TheHostReachesItThroughItsClockPointer) {
  sim::Simulator simulator;
  host::ResetClockForTests();
  simulator.Start();
  EXPECT_EQ(simulator.Host().ExecutePointer(sim::site::kClockSlot, {}), 0u);
  simulator.Os().AdvanceClock(300);
  EXPECT_EQ(simulator.Host().ExecutePointer(sim::site::kClockSlot, {}), 300u);
}

}  // namespace
