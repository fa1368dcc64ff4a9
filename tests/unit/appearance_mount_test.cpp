// Mounted creatures and animation phases, through the host code the patch
// table rewrote: the host's creature drawing at 0x4F0F30 now reaches
// DrawCreatureWithMount, which draws through the host's own function
// (0x401865; the simulated host records a HostDrawCreature per call).
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "host/appearance/appearance_store.h"
#include "host/clock.h"
#include "host/creature.h"
#include "host/handlers.h"
#include "host/library_data.h"
#include "sim/address_space.h"
#include "sim/appearance_writer.h"
#include "sim/simulator.h"

namespace {

using appearance::Category;
using namespace sim::appearance_file;

constexpr uint32_t kDrawCreature = 0x4F0F30;
constexpr uint32_t kFieldASite = 0x4F1CC7;
constexpr uint32_t kFieldBSite = 0x4F1CD6;
constexpr uint32_t kWalkPhaseSite = 0x4F1379;
constexpr uint32_t kWalkClampSite = 0x4F1347;
constexpr uint32_t kEffectTickSite = 0x458EA4;

constexpr uint16_t kRider = 10;
constexpr uint16_t kMount = 20;
constexpr uint16_t kStandingOnly = 30;
constexpr uint16_t kOneGroup = 40;

// The recorded HostDrawCreature arguments (see sim/appearance_host.h).
struct Drawn {
  int32_t x, y, width, look, sprite, phase = 1;
  bool operator==(const Drawn&) const = default;
};
void PrintTo(const Drawn& d, std::ostream* out) {
  *out << "(" << d.x << ", " << d.y << ") width " << d.width << " look " << d.look << " sprite "
       << d.sprite << " phase " << d.phase;
}

class Creatures : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.Start();
    host::ResetClockForTests();
    ClockMillis();
    SpriteGroupIndex = 0;
    OutfitPatternZ() = 1;

    // The rider sits 8 right and 6 down on a mount; pattern Z 2 is its
    // mounted pose (sprites 1xx standing, 2xx walking; +50 when mounted).
    RecordSpec rider;
    rider.attributes = {Values(24, {8, 6})};
    rider.groups = {Group{.type = 0, .patternZ = 2, .sprites = {101, 151}},
                    Group{.type = 1, .width = 2, .exactSize = 64, .patternZ = 2, .frames = 2,
                          .sprites = {201, 202, 251, 252, 211, 212, 261, 262}}};
    writer.Set(Category::Outfit, kRider, rider);
    RecordSpec mount;
    mount.attributes = {Values(24, {3, 4})};
    mount.groups = {
        Group{.type = 0, .sprites = {301}},
        Group{.type = 1, .layers = 3, .frames = 2, .sprites = {401, 402, 403, 411, 412, 413}}};
    writer.Set(Category::Outfit, kMount, mount);
    writer.Set(Category::Outfit, kStandingOnly, {.groups = {Group{.type = 0, .sprites = {501}}}});
    writer.Set(Category::Outfit, kOneGroup,
               {.groups = {Group{.type = 1, .frames = 2, .sprites = {601, 602}}}});
    ASSERT_TRUE(ParseBytes(writer.Bytes(), appearance::Store()));
  }
  void TearDown() override {
    SpriteGroupIndex = 0;
    OutfitPatternZ() = 1;
  }

  uint32_t MakeCreature(uint32_t id, uint32_t look, uint32_t mount = 0) {
    const uint32_t creature = sim::AddressSpace::Allocate(0x100);
    host::Write<uint32_t>(creature + host::creature::kId, id);
    host::Write<uint32_t>(creature + host::creature::kLookType, look);
    host::Write<uint32_t>(creature + host::creature::kMountLookType, mount);
    return creature;
  }
  void StartWalking(uint32_t creature, uint32_t forMillis) {
    host::Write<uint8_t>(creature + host::creature::kWalking, 1);
    host::Write<uint32_t>(creature + host::creature::kWalkEndTime, ClockMillis() + forMillis);
  }

  std::vector<Drawn> Draw(uint32_t creature, int32_t x = 100, int32_t y = 200) {
    simulator.Host().Draws().clear();
    simulator.Host().Execute(kDrawCreature,
                             {static_cast<uint32_t>(x), static_cast<uint32_t>(y), 7, creature});
    std::vector<Drawn> drawn;
    for (const sim::DrawCall& d : simulator.Host().Draws()) {
      if (d.name != "HostDrawCreature") continue;
      drawn.push_back({d.args[1], d.args[2], d.args[3], d.args[5], d.args[11], d.args[12]});
    }
    return drawn;
  }
  int32_t AtSite(uint32_t site, std::vector<uint32_t> args) {
    return static_cast<int32_t>(simulator.Host().ExecuteCallSite(site, std::move(args)));
  }

  sim::Simulator simulator;
  AppearanceFileWriter writer;
};

// A mounted creature is drawn as its mount at (x, y), then as its rider
// moved by the rider's a3, a4 in its mounted pose (pattern Z 2); while a
// step lasts both use their walking groups.
TEST_F(Creatures, AMountedCreatureIsDrawnAsItsMountThenAsItsDisplacedRider) {
  const uint32_t creature = MakeCreature(1, kRider, kMount);
  const std::vector<Drawn> standing = {{100, 200, 1, kMount, 301}, {108, 206, 1, kRider, 151}};
  EXPECT_EQ(Draw(creature), standing);
  EXPECT_EQ(host::creature::LookType(creature), kRider);
  EXPECT_EQ(OutfitPatternZ(), 1u);
  EXPECT_EQ(Draw(MakeCreature(2, kRider)), (std::vector<Drawn>{{100, 200, 1, kRider, 101}}));

  StartWalking(creature, 300);
  EXPECT_EQ(Draw(creature),
            (std::vector<Drawn>{{100, 200, 1, kMount, 401}, {108, 206, 2, kRider, 251}}));
  simulator.Os().AdvanceClock(300);  // the step has ended
  EXPECT_EQ(Draw(creature), standing);
}

// An outfit whose only group serves both (flag 39) and one without a
// walking group keep group 0 while walking: neither vanishes.
TEST_F(Creatures, OutfitsWithoutAWalkingGroupKeepTheirGroupWhileWalking) {
  for (const uint16_t look : {kOneGroup, kStandingOnly}) {
    const uint32_t creature = MakeCreature(1, look);
    StartWalking(creature, 500);
    const std::vector<Drawn> drawn = Draw(creature);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_NE(drawn[0].sprite, 0) << look;
    EXPECT_EQ(SpriteGroupIndex, 0) << look;
  }
}

TEST_F(Creatures, MountAwareFieldsAnswerForTheMountWhenThereIsOne) {
  struct Case {
    uint32_t creature;
    int32_t a, b;
  };
  for (const Case& c : {Case{MakeCreature(1, kRider, kMount), 3, 4},
                        Case{MakeCreature(2, kRider), 8, 6}, Case{MakeCreature(3, 999), 0, 0}}) {
    EXPECT_EQ(AtSite(kFieldASite, {c.creature}), c.a);
    EXPECT_EQ(AtSite(kFieldBSite, {c.creature}), c.b);
  }
}

TEST_F(Creatures, WalkPhaseFollowsTheClockOnTheCurrentGroup) {
  const uint32_t creature = MakeCreature(1, kRider);
  StartWalking(creature, 10000);
  const auto drawnPhase = [&] { return Draw(creature)[0].phase; };
  EXPECT_EQ(drawnPhase(), 1);
  simulator.Os().AdvanceClock(100);  // frames of 100 ms
  EXPECT_EQ(drawnPhase(), 2);
  EXPECT_EQ(Draw(creature)[0].sprite, 211);
  simulator.Os().AdvanceClock(100);
  EXPECT_EQ(drawnPhase(), 1);

  // A standing creature in a steps-only outfit holds the first frame.
  const uint32_t standing = MakeCreature(2, kOneGroup);
  simulator.Os().AdvanceClock(100);
  EXPECT_EQ(Draw(standing)[0].phase, 1);
  StartWalking(standing, 1000);
  EXPECT_EQ(Draw(standing)[0].phase, 2);
  // Asked directly, the phase is that of the group the getters read.
  SpriteGroupIndex = 1;
  EXPECT_EQ(AtSite(kWalkPhaseSite, {creature}), 2);
  SpriteGroupIndex = 0;
  EXPECT_EQ(AtSite(kWalkPhaseSite, {creature}), 1);  // the standing group has one frame
}

// Asynchronous animations (mode byte 0) differ from creature to creature;
// synchronous ones are the same for all.
TEST_F(Creatures, OnlyAsynchronousAnimationsAreShiftedPerCreature) {
  for (const uint8_t mode : {uint8_t{0}, uint8_t{1}}) {
    writer.Set(Category::Outfit, 50,
               {.groups = {Group{.type = 0, .frames = 8, .animation = Animation{.mode = mode}}}});
    ASSERT_TRUE(ParseBytes(writer.Bytes(), appearance::Store()));
    std::vector<int32_t> phases;
    for (uint32_t id = 1; id <= 4; ++id) {
      phases.push_back(AtSite(kWalkPhaseSite, {MakeCreature(id, 50)}));
    }
    const bool allSame =
        std::all_of(phases.begin(), phases.end(), [&](int32_t p) { return p == phases[0]; });
    EXPECT_EQ(allSame, mode != 0) << "mode " << int{mode};
  }
}

TEST_F(Creatures, WalkPhaseClampKeepsPhasesWithinTheFrames) {
  const uint32_t creature = MakeCreature(1, kRider);
  SpriteGroupIndex = 1;  // two frames
  for (const auto [phase, kept] : {std::pair{0, 1}, {2, 2}, {5, 2}}) {
    EXPECT_EQ(AtSite(kWalkClampSite, {creature, static_cast<uint32_t>(phase)}), kept) << phase;
  }
  EXPECT_EQ(AtSite(kWalkClampSite, {MakeCreature(2, 999), 5}), 1);
}

// Effects play from their start for their loop count of cycles (at least
// one), then report 0.
TEST_F(Creatures, EffectsPlayTheirLoopsFromTheirStartAndThenEnd) {
  const auto effect = [](uint32_t loops) {
    return RecordSpec{
        .groups = {
            Group{.frames = 2,
                  .animation = Animation{.loops = loops, .durations = {{100, 100}, {100, 100}}}}}};
  };
  writer.Set(Category::Effect, 1, effect(0));
  writer.Set(Category::Effect, 2, effect(2));
  writer.Set(Category::Effect, 3);  // one frame, no animator
  ASSERT_TRUE(ParseBytes(writer.Bytes(), appearance::Store()));

  simulator.Os().AdvanceClock(1000);
  const uint32_t start = ClockMillis();
  struct Step {
    uint32_t after;
    int32_t once, twice, still;
  };
  for (const Step s : {Step{0, 1, 1, 1}, Step{99, 1, 1, 1}, Step{100, 2, 2, 0}, Step{199, 2, 2, 0},
                       Step{200, 0, 1, 0}, Step{399, 0, 2, 0}, Step{400, 0, 0, 0}}) {
    simulator.Os().AdvanceClock(start + s.after - ClockMillis());
    EXPECT_EQ(AtSite(kEffectTickSite, {1, start}), s.once) << s.after;
    EXPECT_EQ(AtSite(kEffectTickSite, {2, start}), s.twice) << s.after;
    EXPECT_EQ(AtSite(kEffectTickSite, {3, start}), s.still) << s.after;
  }
  EXPECT_EQ(AtSite(kEffectTickSite, {2, start + 1000}), 1);  // a start ahead of the clock
  EXPECT_EQ(AtSite(kEffectTickSite, {9, start}), 0);         // no record
}

}  // namespace
