// The dispatcher's own messages: the values it keeps for the features and
// the registration points it calls.
#include <gtest/gtest.h>

#include <optional>

#include "host/host_functions.h"
#include "protocol/dispatcher.h"
#include "protocol/message_hooks.h"
#include "protocol/shared_values.h"
#include "sim/simulator.h"

namespace {

struct Seen {
  std::vector<std::string> names;
  std::vector<uint64_t> experiences;
  std::vector<std::string> refreshes;
} seen;

void OnName(const std::string& name) { seen.names.push_back(name); }
void OnStatistics(const protocol::PlayerStatistics& s) { seen.experiences.push_back(s.experience); }
void MarketCoins() { seen.refreshes.push_back("market"); }
void StoreCoins() {
  seen.refreshes.push_back("store");
  throw std::runtime_error("the store display failed");
}
void ImbuementGold() { seen.refreshes.push_back("imbuement"); }
void CharmsGold() { seen.refreshes.push_back("charms"); }
void StoreRest() { seen.refreshes.push_back("store rest " + std::to_string(HostReadU16())); }

std::vector<uint8_t> Bytes(std::initializer_list<uint64_t> values, std::initializer_list<int> widths) {
  std::vector<uint8_t> out;
  auto width = widths.begin();
  for (uint64_t v : values) {
    for (int i = 0; i < *width; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    ++width;
  }
  return out;
}

class DispatcherMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.Start();  // wiring first: `hooks` sets its registrations aside
    hooks.emplace();
    simulator.SetGameState(8);
    protocol::ResetSharedValuesForTests();
    seen = {};
    protocol::RegisterCharacterNameHook(&OnName);
    protocol::RegisterStatisticsHook(&OnStatistics);
    protocol::RegisterCoinBalanceRefresh(&StoreCoins);  // throws: must not stop the market's
    protocol::RegisterCoinBalanceRefresh(&MarketCoins);
    protocol::RegisterGoldBalanceRefresh(&ImbuementGold);
    protocol::RegisterGoldBalanceRefresh(&CharmsGold);
  }
  void TearDown() override { protocol::ResetSharedValuesForTests(); }
  std::vector<int> Message(const std::vector<uint8_t>& bytes) {
    return simulator.ServerMessage(bytes);
  }

  sim::Simulator simulator;
  std::optional<protocol::ScopedMessageHooksForTests> hooks;
};

TEST_F(DispatcherMessages, CharacterNameIsReplacedAndAnnouncedEveryTime) {
  Message({159, 3, 0, 'B', 'o', 'b', 159, 3, 0, 'B', 'o', 'b'});
  EXPECT_EQ(CharacterName(), "Bob");
  Message({159, 0, 0});
  EXPECT_EQ(CharacterName(), "");
  EXPECT_EQ(seen.names, (std::vector<std::string>{"Bob", "Bob", ""}));
}

TEST_F(DispatcherMessages, StatisticsAreKeptAndHandedToTheAnalyzer) {
  std::vector<uint8_t> message{160};
  const auto payload = Bytes({1, 2, 3, 0x100000005ULL, 4, 5, 6, 7, 8, 9, 10, 11},
                             {4, 4, 4, 8, 4, 4, 4, 4, 4, 4, 4, 4});
  message.insert(message.end(), payload.begin(), payload.end());
  Message(message);
  const protocol::PlayerStatistics& s = protocol::LastPlayerStatistics();
  EXPECT_EQ(s.experience, 0x100000005ULL);
  for (int i = 0; i < 11; ++i) EXPECT_EQ(s.statistics[i], static_cast<uint32_t>(i + 1)) << i;
  EXPECT_EQ(seen.experiences, std::vector<uint64_t>{0x100000005ULL});
}

TEST_F(DispatcherMessages, ExperienceLabelIsOpenedWrittenAndClosedAgain) {
  // Only the calls about the label: the start-up threads change
  // protections of their own.
  const auto labelCalls = [&] {
    std::vector<sim::ProtectCall> calls;
    for (const sim::ProtectCall& call : simulator.Os().ProtectCalls()) {
      if (call.address >= 0x5BCA60 && call.address < 0x5BCA60 + 11) calls.push_back(call);
    }
    return calls;
  };
  Message(std::vector<uint8_t>(57, 0));  // nothing of ours: no label
  EXPECT_TRUE(labelCalls().empty());
  std::vector<uint8_t> statistics(57, 0);
  statistics[0] = 160;
  Message(statistics);
  const auto calls = labelCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].address, 0x5BCA60u);
  EXPECT_EQ(calls[0].size, 11u);
  EXPECT_EQ(calls[0].newProtection, 0x40u);
  EXPECT_EQ(calls[1].address, 0x5BCA60u);
  EXPECT_EQ(calls[1].newProtection, calls[0].oldProtection);
  EXPECT_EQ(std::string(static_cast<const char*>(host::Pointer(0x5BCA60)), 4), "Exp.");

  // When the bytes cannot be opened they are left alone (writing a
  // protected page would bring the host down).
  host::Write<uint32_t>(0x5BCA60, 0x11223344);
  simulator.Os().SetProtectFailure([](uint32_t address) { return address == 0x5BCA60; });
  Message(statistics);
  EXPECT_EQ(host::Read<uint32_t>(0x5BCA60), 0x11223344u);
}

TEST_F(DispatcherMessages, CoinBalances) {
  Message(Bytes({223, 1, 700, 80}, {1, 1, 4, 4}));
  EXPECT_EQ(CoinBalanceA(), 700u);
  EXPECT_EQ(CoinBalanceB(), 80u);
  Message({242, 1});  // non-zero: kept
  EXPECT_EQ(CoinBalanceA(), 700u);
  Message({242, 0});
  EXPECT_EQ(CoinBalanceA() + CoinBalanceB(), 0u);
  Message(Bytes({223, 1, 5, 6}, {1, 1, 4, 4}));
  Message({223, 2});  // any flag but 1 clears them
  EXPECT_EQ(CoinBalanceA() + CoinBalanceB(), 0u);
  // Each of the five messages refreshes both displays, in registration
  // order; the store's failing refresh does not keep the market's from
  // running.
  ASSERT_EQ(seen.refreshes.size(), 10u);
  for (size_t i = 0; i < 10; i += 2) {
    EXPECT_EQ(seen.refreshes[i], "store");
    EXPECT_EQ(seen.refreshes[i + 1], "market");
  }
}

TEST_F(DispatcherMessages, GoldBalanceIsSetAddedOrLeft) {
  Message(Bytes({238, 0, 5000000000ULL}, {1, 1, 8}));
  EXPECT_EQ(BalanceU64(), 5000000000ULL);
  Message(Bytes({238, 1, 25}, {1, 1, 8}));
  EXPECT_EQ(BalanceU64(), 5000000025ULL);
  Message({238, 2, 100});
  EXPECT_EQ(BalanceU64(), 5000000025ULL);
  EXPECT_EQ(simulator.LastHostOpcodes(), std::vector<int>{100});
  EXPECT_EQ(seen.refreshes, (std::vector<std::string>{"imbuement", "charms", "imbuement",
                                                      "charms", "imbuement", "charms"}));
}

TEST_F(DispatcherMessages, StoreMessage251IsTheStoresOnlyOnceItReadsTheRest) {
  {
    // Until the store registers its reader the host receives all of 251.
    protocol::ScopedOpcodeTableForTests table;
    EXPECT_EQ(Message({251, 0, 100}), (std::vector<int>{251, 0, 100}));
    EXPECT_TRUE(seen.refreshes.empty());
  }
  {
    protocol::ScopedOpcodeTableForTests table;
    ASSERT_TRUE(protocol::RegisterStoreBalanceMessage(&StoreRest));
    EXPECT_EQ(Message(Bytes({251, 1, 9, 10, 0x1234, 100}, {1, 1, 4, 4, 2, 1})),
              std::vector<int>{100});
    EXPECT_EQ(CoinBalanceA(), 9u);
    EXPECT_EQ(CoinBalanceB(), 10u);
    EXPECT_EQ(seen.refreshes,
              (std::vector<std::string>{"store", "market", "store rest " + std::to_string(0x1234)}));
  }
}

}  // namespace
