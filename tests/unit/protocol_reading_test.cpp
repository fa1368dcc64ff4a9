// Reading payload fields, and the experience print of OnCallSite55A147.
#include <gtest/gtest.h>
#include <sanitizer/asan_interface.h>

#include <cstring>
#include <stdexcept>

#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/library_data.h"
#include "protocol/digit_grouping.h"
#include "protocol/experience_print.h"
#include "protocol/message_reader.h"
#include "protocol/shared_values.h"
#include "sim/address_space.h"
#include "sim/simulator.h"

namespace {

TEST(DigitGrouping, GroupsOfThreeFromTheRight) {
  const std::pair<uint64_t, const char*> cases[] = {
      {0, "0"},
      {999, "999"},
      {1000, "1,000"},
      {12345, "12,345"},
      {100000, "100,000"},
      {1000000, "1,000,000"},
      {2147483647, "2,147,483,647"},
      {UINT64_MAX, "18,446,744,073,709,551,615"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(protocol::GroupDigits(value), text);
}

TEST(ExperiencePrint, LowWordOfTheExperienceStandsForTheWholeExperience) {
  using protocol::ExperienceAwareNumber;
  const uint64_t experience = 0x100000005ULL;  // 4,294,967,301: low word 5
  EXPECT_EQ(ExperienceAwareNumber(5, experience), "4,294,967,301");
  EXPECT_EQ(ExperienceAwareNumber(6, experience), "6");
  EXPECT_EQ(ExperienceAwareNumber(999, experience), "999");
  EXPECT_EQ(ExperienceAwareNumber(1000, experience), "1,000");
  EXPECT_EQ(ExperienceAwareNumber(-5, experience), "-5");
  EXPECT_EQ(ExperienceAwareNumber(INT32_MIN, experience), "-2147483648");
  // A low word with its top bit set arrives as a negative "%d" value.
  EXPECT_EQ(ExperienceAwareNumber(-1, 0x2FFFFFFFFULL), "12,884,901,887");
  EXPECT_EQ(ExperienceAwareNumber(0, 0), "0");
}

class MessageReading : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.Start();
    protocol::ResetSharedValuesForTests();
  }
  void TearDown() override { protocol::ResetSharedValuesForTests(); }
  // The message as the host holds it, read position at its start.
  void Hold(const std::vector<uint8_t>& bytes) { simulator.Host().SetMessage(bytes); }

  sim::Simulator simulator;
};

TEST_F(MessageReading, CompositeFields) {
  Hold({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0xAA, 0x34, 0x12, 0x11, 0x22, 0x33, 0x44,
        0x02, 0x00, 'h', 'i', 0x00, 0x00, 0x99});
  EXPECT_EQ(ReadU64(), 0x0807060504030201ULL);
  EXPECT_EQ(ReadU8AndU16(), 0x123400AAu);
  EXPECT_EQ(ReadU16SkipU16(), 0x2211u);
  EXPECT_EQ(ReadString(), "hi");
  EXPECT_EQ(ReadString(), "");
  EXPECT_EQ(HostReadU8(), 0x99);
}

// A length may claim more than the message holds: the string takes the
// rest of the message, then what the host's reads give past its end (zeros),
// and never reads the buffer past the message, where an earlier, longer
// message may have left its bytes (poisoned here, so AddressSanitizer
// reports such a read).
TEST_F(MessageReading, AStringRunningPastTheMessageFailsWithTheHostsRead) {
  // The simulated host refuses a read past the message's end; the bytes
  // after the message are never touched on the way.
  Hold({0x05, 0x00, 'a', 'b'});
  auto* after = static_cast<uint8_t*>(host::Pointer(HostMessageBase())) + 4;
  ASAN_POISON_MEMORY_REGION(after, host::kLargeMessageBufferSize - 4);
  EXPECT_THROW(ReadString(), std::out_of_range);
  ASAN_UNPOISON_MEMORY_REGION(after, host::kLargeMessageBufferSize - 4);

  // Nor past the end of the buffer: the string stops there.
  std::vector<uint8_t> full(host::kLargeMessageBufferSize, 0);
  const std::vector<uint8_t> tail = {0xFF, 0xFF, 'x', 'y'};
  std::copy(tail.begin(), tail.end(), full.end() - 4);
  Hold(full);
  HostMessagePos() = host::kLargeMessageBufferSize - 4;
  EXPECT_EQ(ReadString(), "xy");
  EXPECT_EQ(HostMessagePos(), host::kLargeMessageBufferSize);
}

TEST_F(MessageReading, ExperiencePrintThroughThePatchedCallSite) {
  // The host's sprintf at 0x55A147 now reaches the library (entry 53a).
  const uint32_t buffer = sim::AddressSpace::Allocate(64);
  const uint32_t plain = sim::AddressSpace::String("%d");
  const uint32_t other = sim::AddressSpace::String("Level %d");
  const auto print = [&](uint32_t format, uint32_t value) {
    simulator.Host().ExecuteCallSite(0x55A147, {buffer, format, value});
    return std::string(static_cast<const char*>(host::Pointer(buffer)));
  };
  EXPECT_EQ(print(plain, 1234567), "1,234,567");
  EXPECT_EQ(print(other, 1234567), "Level 1234567");

  std::vector<uint8_t> statistics(53, 0);
  statistics[0] = 160;
  statistics[13] = 0x10;  // experience 0x0000000400000010
  statistics[17] = 0x04;
  simulator.SetGameState(8);
  simulator.ServerMessage(statistics);
  EXPECT_EQ(print(plain, 0x10), "17,179,869,200");
  EXPECT_EQ(print(plain, 0x11), "17");
}

TEST(ExperiencePrint, OtherFormatsArePrintedWithTheirArguments) {
  protocol::ResetSharedValuesForTests();  // experience 0: low word 0
  char buffer[64];
  EXPECT_EQ(OnCallSite55A147(buffer, "%d%%", 5000), 5);
  EXPECT_STREQ(buffer, "5000%");
  EXPECT_EQ(OnCallSite55A147(buffer, "%s: %d", "Exp", 7), 6);
  EXPECT_STREQ(buffer, "Exp: 7");
  EXPECT_EQ(OnCallSite55A147(buffer, "%d", 1000), 5);
  EXPECT_STREQ(buffer, "1,000");
}

}  // namespace
