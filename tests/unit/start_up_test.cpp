// The entry point, the start-up threads and the SSE2 gate.
#include <gtest/gtest.h>

#include <cstring>

#include "host/host_memory.h"
#include "host/start_up.h"
#include "library.h"
#include "sim/simulator.h"

namespace {

TEST(EntryPoint, IgnoresEveryReasonButProcessAttach) {
  for (uint32_t reason : {0u, 2u, 3u}) {
    sim::Simulator simulator;
    const uint32_t frameTickSiteBefore = host::Read<uint32_t>(sim::site::kMainLoopTick + 1);
    EXPECT_EQ(quorlan::DllMainBody(0x10000000, reason, 0), 1) << reason;
    EXPECT_TRUE(simulator.Os().ProtectCalls().empty()) << reason;
    EXPECT_EQ(simulator.Os().RunningThreads(), 0) << reason;
    EXPECT_EQ(host::Read<uint32_t>(sim::site::kMainLoopTick + 1), frameTickSiteBefore);
    EXPECT_EQ(host::Read<uint8_t>(0x63DB3C), 0) << "entry 1 must not be written";
  }
}

TEST(StartUpThreads, DataThreadWritesTheTextIntoAllTenSlots) {
  sim::Simulator simulator;
  char text[host::kHostDataTextSize];
  host::HostDataText(text);
  ASSERT_EQ(std::strlen(text), 20u);
  EXPECT_EQ(host::HostDataThread(), 0u);
  for (uint32_t slot : host::kHostDataSlots) {
    EXPECT_EQ(std::memcmp(host::Pointer(slot), text, 21), 0) << std::hex << slot;
  }
  // Each slot is opened with PAGE_EXECUTE_READWRITE on its 21 bytes, then
  // restored.
  const auto calls = simulator.Os().ProtectCalls();
  ASSERT_EQ(calls.size(), 20u);
  EXPECT_EQ(calls[0].address, 0x7947F8u);
  EXPECT_EQ(calls[0].size, 21u);
  EXPECT_EQ(calls[0].newProtection, 0x40u);
  EXPECT_EQ(calls[1].newProtection, calls[0].oldProtection);
}

TEST(StartUpThreads, DataThreadStopsAtTheFirstRefusedSlot) {
  sim::Simulator simulator;
  simulator.Os().SetProtectFailure([](uint32_t address) { return address == 0x794948; });
  EXPECT_EQ(host::HostDataThread(), 1u);
  char text[host::kHostDataTextSize];
  host::HostDataText(text);
  EXPECT_EQ(std::memcmp(host::Pointer(0x7948D8), text, 21), 0);  // third slot written
  for (uint32_t slot : {0x794948u, 0x7949B8u, 0x794BE8u}) {
    EXPECT_EQ(host::Read<uint8_t>(slot), 0) << std::hex << slot;
  }
}

TEST(StartUpThreads, TuningThreadWritesItsFourValues) {
  sim::Simulator simulator;
  host::Write<uint32_t>(0x64B008, 77);
  host::Write<uint32_t>(0x64AFEC, 77);
  EXPECT_EQ(host::HostTuningThread(), 0u);
  EXPECT_EQ(host::Read<uint32_t>(0x64AC64), 263u);
  EXPECT_EQ(host::Read<uint32_t>(0x64AC7C), 263u);
  EXPECT_EQ(host::Read<uint32_t>(0x64B008), 0u);
  EXPECT_EQ(host::Read<uint32_t>(0x64AFEC), 0u);
}

TEST(EntryPoint, ProcessAttachPatchesStartsBothThreadsAndReturnsOne) {
  sim::Simulator simulator;
  EXPECT_EQ(quorlan::DllMainBody(0x10000000, 1, 0), 1);
  EXPECT_EQ(host::Read<uint8_t>(0x63DB3C), 1);
  ASSERT_TRUE(simulator.WaitForWorkers());
  EXPECT_EQ(host::Read<uint32_t>(0x64AC64), 263u);
  char text[host::kHostDataTextSize];
  host::HostDataText(text);
  EXPECT_EQ(std::memcmp(host::Pointer(0x794BE8), text, 21), 0);
}

TEST(StartUp, Sse2EntriesNeedLeafOneAndBit26) {
  struct Case {
    uint32_t highestLeaf;
    bool sse2;
    bool patched;
  };
  for (const Case c : {Case{1, true, true}, Case{1, false, false}, Case{0, true, false}}) {
    sim::Simulator simulator;
    simulator.Os().SetHighestCpuidLeaf(c.highestLeaf);
    simulator.Os().SetSse2(c.sse2);
    simulator.Start();
    EXPECT_EQ(host::Read<uint8_t>(0x4AF5E9) == 0xE8, c.patched) << c.highestLeaf << c.sse2;
    EXPECT_EQ(host::Read<uint8_t>(0x4AFF06) == 0xE8, c.patched);
  }
}

}  // namespace
