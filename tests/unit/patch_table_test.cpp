// The patch table as the start-up sequence writes it into the simulated host.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "host/handler_registry.h"
#include "host/host_memory.h"
#include "host/patch_table.h"
#include "sim/address_space.h"
#include "sim/patch_dump.h"
#include "sim/simulator.h"

namespace {

std::map<std::string, std::string> DumpByLabel(bool sse2, std::vector<std::string>* order) {
  std::ostringstream out;
  sim::DumpPatches(sse2, out);
  std::istringstream lines(out.str());
  std::map<std::string, std::string> byLabel;
  std::string line;
  while (std::getline(lines, line)) {
    const std::string label = line.substr(0, line.find(' '));
    if (order != nullptr) order->push_back(label);
    byLabel[label] = line.substr(label.size() + 1);
  }
  return byLabel;
}

TEST(PatchTable, AppliesEntriesInTableOrderWithTheConditionalEntryAfter53) {
  std::vector<std::string> order;
  DumpByLabel(true, &order);
  std::vector<std::string> expected;
  for (int i = 1; i <= 193; ++i) {
    expected.push_back(std::to_string(i));
    if (i == 53) expected.push_back("53a");
  }
  EXPECT_EQ(order, expected);
}

TEST(PatchTable, WithoutSse2TheHostLookupsStay) {
  std::vector<std::string> order;
  DumpByLabel(false, &order);
  ASSERT_EQ(order.size(), 191u);
  EXPECT_EQ(order.back(), "190");
  // The host's own calls at the three lookup sites are untouched.
  EXPECT_EQ(host::Read<uint8_t>(0x4AF5E9), 0);
  EXPECT_EQ(host::Read<uint8_t>(0x4AFACD), 0);
  EXPECT_EQ(host::Read<uint8_t>(0x4AFF06), 0);
}

// Entries whose bytes do not depend on where the library lives, written out
// by hand from the table (displacement = target - (address + 5)).
TEST(PatchTable, WritesExactBytesForHostTargetsAndValues) {
  const auto dump = DumpByLabel(true, nullptr);
  const std::map<std::string, std::string> expected = {
      {"1", "0x63db3c 01"},
      {"8", "0x4f57d8 d0ff"},
      {"10", "0x4f57e2 9090909090"},
      {"11", "0x4f59b7 9090"},
      {"17", "0x401865 55"},
      {"18", "0x401866 8bec6aff"},
      {"19", "0x40186a e9c6f60e00 host:0x4f0f35"},
      {"26", "0x504468 8b0d"},
      {"30", "0x411076 8bc89089"},
      {"40", "0x40e3a3 8bd09089"},
      {"43", "0x4fef9c 668b4e2a"},
      {"44", "0x4fefa0 0fb7c190"},
      {"50", "0x4104b4 e847970e00 host:0x4f9c00"},
      {"54", "0x437650 e9ac030000 host:0x437a01"},
      {"55", "0x55a02c e90f010000 host:0x55a140"},
      {"62", "0x446be4 90"},
      {"65", "0x4ab9d9 e82dc00500 host:0x507a0b"},
      {"66", "0x4ab9de 909090"},
      {"70", "0x500967 e86d6b0000 host:0x5074d9"},
      {"131", "0x4f134f e92a000000 host:0x4f137e"},
      {"136", "0x4e5318 8bf0ff15"},
      {"137", "0x4e531c a0855b00"},
      {"143", "0x4e6359 e91e010000 host:0x4e647c"},
      {"145", "0x4b5a61 e916000000 host:0x4b5a7c"},
      {"147", "0x4f0ac1 e916000000 host:0x4f0adc"},
      {"149", "0x51955f e0150000"},
      {"150", "0x4b9897 5d010000"},
      {"163", "0x431d13 ff75"},
      {"166", "0x431d1b e988020000 host:0x431fa8"},
      {"167", "0x431fa3 e96bfdffff host:0x431d13"},
      {"168", "0x40f6d4 e827a50e00 host:0x4f9c00"},
      {"169", "0x40f6d9 0fb7"},
      {"173", "0x4d3570 e974020000 host:0x4d37e9"},
      {"174", "0x4d3808 6a006a00"},
      {"178", "0x4d3818 6a00"},
      {"190", "0x4fb97e f8ff0000"},
  };
  for (const auto& [label, line] : expected) {
    ASSERT_TRUE(dump.count(label)) << label;
    EXPECT_EQ(dump.at(label), line) << "entry " << label;
  }
}

TEST(PatchTable, CallsAndJumpsReachTheNamedHandlers) {
  const auto dump = DumpByLabel(true, nullptr);
  const std::map<std::string, std::string> expected = {
      {"2", "ClockMillis"},        {"3", "DrawBarWithPercentA"}, {"16", "OnMenuCommand"},
      {"20", "DrawCreatureWithMount"}, {"27", "OutfitPatternZ"}, {"53a", "OnCallSite55A147"},
      {"56", "AnalyzerText"},      {"63", "OnFrameTick"},        {"64", "OnCreateWindow"},
      {"80", "ItemHasFlag"},       {"97", "ItemSpriteIndexAnimated"},
      {"109", "OutfitDimension5Mapped"}, {"128", "MissileSpriteIndex"},
      {"148", "OpcodePump"},       {"157", "OnActionButton"},    {"179", "OnFrameDraw"},
      {"182", "ReturnZeroStub"},   {"183", "LargeMessageBuffer"},
      {"185", "LargeMessageBuffer+6"}, {"191", "LookupSse2A"},   {"193", "LookupSse2C"},
  };
  for (const auto& [label, symbol] : expected) {
    const std::string& line = dump.at(label);
    EXPECT_EQ(line.substr(line.rfind(' ') + 1), symbol) << "entry " << label << ": " << line;
  }
  // Every CALL or JMP to a handler encodes the handler's token exactly.
  for (const host::PatchEntry& e : host::MainPatchTable()) {
    if (e.valueKind != host::ValueKind::Handler) continue;
    if (e.kind != host::PatchKind::Call && e.kind != host::PatchKind::Jump) continue;
    const uint32_t target = e.address + 5 + host::Read<uint32_t>(e.address + 1);
    EXPECT_EQ(target, sim::TokenFor(static_cast<uint16_t>(e.handler))) << e.label;
    EXPECT_EQ(host::Read<uint8_t>(e.address), e.kind == host::PatchKind::Call ? 0xE8 : 0xE9);
  }
}

TEST(PatchEngine, OpensExactlyTheWrittenBytesAndRestoresTheOldProtection) {
  sim::Simulator simulator;
  simulator.Start();
  simulator.WaitForWorkers();
  const auto calls = simulator.Os().ProtectCalls();
  // Pair up the calls at each table entry's address: open with
  // PAGE_READWRITE on exactly its bytes, then restore what was there.
  std::map<uint32_t, std::vector<sim::ProtectCall>> byAddress;
  for (const auto& c : calls) byAddress[c.address].push_back(c);

  const auto& bar = byAddress.at(0x4340C4);  // CALL: 5 bytes, code page
  ASSERT_EQ(bar.size(), 2u);
  EXPECT_EQ(bar[0].size, 5u);
  EXPECT_EQ(bar[0].newProtection, 0x04u);
  EXPECT_EQ(bar[1].size, 5u);
  EXPECT_EQ(bar[1].newProtection, 0x20u);  // the code's own PAGE_EXECUTE_READ

  EXPECT_EQ(byAddress.at(0x4F57E2)[0].size, 5u);  // NOP 5
  EXPECT_EQ(byAddress.at(0x4F59B7)[0].size, 2u);  // NOP 2
  EXPECT_EQ(byAddress.at(0x5B85A0)[0].size, 4u);  // DWORD
  EXPECT_EQ(byAddress.at(0x4F57D8)[0].size, 2u);  // WORD
  EXPECT_EQ(byAddress.at(0x63DB3C)[0].size, 1u);  // BYTE

  // The conditional entry opens with PAGE_EXECUTE_READWRITE instead.
  const auto& conditional = byAddress.at(0x55A147);
  ASSERT_EQ(conditional.size(), 2u);
  EXPECT_EQ(conditional[0].newProtection, 0x40u);
  EXPECT_EQ(conditional[0].size, 5u);
}

TEST(PatchEngine, WritesEvenWhenVirtualProtectFails) {
  sim::Simulator simulator;
  simulator.Os().SetProtectFailure([](uint32_t address) { return address == 0x63DB3C; });
  simulator.Start();
  EXPECT_EQ(host::Read<uint8_t>(0x63DB3C), 1);
}

TEST(PatchEngine, ConditionalEntryOnlyRedirectsAnExistingCall) {
  {
    sim::Simulator simulator;
    const uint32_t before = host::Read<uint32_t>(sim::site::kFormattedPrint + 1);
    simulator.Start();
    const uint32_t target = sim::site::kFormattedPrint + 5 +
                            host::Read<uint32_t>(sim::site::kFormattedPrint + 1);
    EXPECT_NE(host::Read<uint32_t>(sim::site::kFormattedPrint + 1), before);
    EXPECT_EQ(target, sim::TokenFor(static_cast<uint16_t>(host::Handler::OnCallSite55A147)));
  }
  {
    sim::Simulator simulator;
    host::Write<uint8_t>(sim::site::kFormattedPrint, 0xE9);  // not a CALL
    const uint32_t before = host::Read<uint32_t>(sim::site::kFormattedPrint + 1);
    simulator.Start();
    EXPECT_EQ(host::Read<uint8_t>(sim::site::kFormattedPrint), 0xE9);
    EXPECT_EQ(host::Read<uint32_t>(sim::site::kFormattedPrint + 1), before);
  }
  {
    sim::Simulator simulator;  // protection refused: left untouched
    simulator.Os().SetProtectFailure(
        [](uint32_t address) { return address == sim::site::kFormattedPrint; });
    const uint32_t before = host::Read<uint32_t>(sim::site::kFormattedPrint + 1);
    simulator.Start();
    EXPECT_EQ(host::Read<uint32_t>(sim::site::kFormattedPrint + 1), before);
  }
}

}  // namespace
