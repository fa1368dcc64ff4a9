// The host draw hooks: bar percentages, the player's second bar, tier badges.
#include <gtest/gtest.h>

#include "host/creature.h"
#include "host/handlers.h"
#include "host/host_functions.h"
#include "sim/address_space.h"
#include "sim/simulator.h"

namespace {

class DrawHooks : public ::testing::Test {
 protected:
  void SetUp() override { simulator.Start(); }

  std::vector<sim::DrawCall> Draws() { return std::exchange(simulator.Host().Draws(), {}); }

  uint32_t MakeCreature(uint32_t id) {
    const uint32_t creature = sim::AddressSpace::Allocate(0x100);
    host::Write<uint32_t>(creature + host::creature::kId, id);
    return creature;
  }

  sim::Simulator simulator;
};

TEST_F(DrawHooks, BarPercentageFollowsTheHostFillThroughThePatchedSite) {
  host::Write<int32_t>(0x63FE90, 200);  // maximum
  host::Write<int32_t>(0x63FE94, 50);   // current
  simulator.Host().ExecuteCallSite(0x4340C4, {1, 10, 20, 90, 12, 33, 0, 0});
  const auto draws = Draws();
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].name, "HostFillRect");
  EXPECT_EQ(draws[0].args, (std::vector<int32_t>{1, 10, 20, 90, 12, 33, 0, 0}));
  EXPECT_EQ(draws[1].name, "HostDrawText");
  EXPECT_EQ(draws[1].text, "25%");
  EXPECT_EQ(draws[1].args, (std::vector<int32_t>{1, 55, 20, 2, 180, 180, 180, 1}));
}

TEST_F(DrawHooks, BarPercentageEdgeValues) {
  struct Case {
    int32_t maximum, current;
    const char* text;
  };
  for (const Case c : {Case{0, 0, "100%"}, Case{0, 17, "100%"}, Case{3, 1, "33%"},
                       Case{100000, 100000, "100%"}, Case{2000000000, 1999999999, "99%"}}) {
    host::Write<int32_t>(0x63FE74, c.maximum);
    host::Write<int32_t>(0x63FE78, c.current);
    DrawBarWithPercentB(1, 0, 0, 10, 10, 1, 0, 0);
    const auto draws = Draws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[1].text, c.text) << c.maximum << "/" << c.current;
  }
}

TEST_F(DrawHooks, OwnCreatureGetsAFramedSecondBar) {
  HostPlayerId() = 0x1234;
  for (const auto& [maximum, width] : {std::pair{100, 10}, std::pair{0, 25}}) {
    host::Write<int32_t>(0x63FE74, maximum);
    host::Write<int32_t>(0x63FE78, 40);
    DrawOwnSecondBar(2, 100, 50, 27, 4, 0, 192, 0, MakeCreature(0x1234));
    const auto draws = Draws();
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].args, (std::vector<int32_t>{1, 100, 50, 27, 2, 0, 192, 0}));
    EXPECT_EQ(draws[1].args, (std::vector<int32_t>{1, 99, 54, 27, 4, 0, 0, 0}));
    EXPECT_EQ(draws[2].args, (std::vector<int32_t>{1, 100, 55, width, 2, 0, 70, 166}));
  }
}

TEST_F(DrawHooks, OtherCreaturesGetTheHostBarOrTheSummonIcon) {
  HostPlayerId() = 7;
  DrawOwnSecondBar(1, 10, 10, 27, 4, 1, 2, 3, MakeCreature(8));
  auto draws = Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].name, "RendererFill");

  DrawOwnSecondBar(1, 10, 10, 27, 4, 1, 2, 3, MakeCreature(0x80000009));
  draws = Draws();
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[1].name, "HostDrawSkin");
  EXPECT_EQ(draws[1].args, (std::vector<int32_t>{1, 25, 18, 4, 111, 360, 18, 18}));
}

TEST_F(DrawHooks, TierBadgesOnlyForPositiveIdsAndTiersOneToTen) {
  struct Case {
    int32_t id, data;
    size_t draws;
  };
  for (const Case c : {Case{0, 105, 0}, Case{-3, 105, 0}, Case{3031, 100, 1}, Case{3031, 101, 2},
                       Case{3031, 110, 2}, Case{3031, 111, 1}}) {
    simulator.Host().ExecuteCallSite(
        0x4327E6, {1, 40, 60, 32, static_cast<uint32_t>(c.id), static_cast<uint32_t>(c.data), 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const auto draws = Draws();
    ASSERT_EQ(draws.size(), c.draws) << c.id << " " << c.data;
    if (c.draws == 2) {
      const int32_t tier = c.data - 100;
      EXPECT_EQ(draws[1].args, (std::vector<int32_t>{1, 62, 60, 4, 253 + 9 * tier, 386, 10, 8}));
    }
  }
}

}  // namespace
