// The market's server messages through the simulated host's parsing loop:
// cut short at every length they leave the market's state as it was; whole
// they are stored, each offer kind read with exactly its own fields.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "features/market/market.h"
#include "features/market/state.h"
#include "protocol/dispatcher.h"
#include "protocol/message_hooks.h"
#include "protocol/shared_values.h"
#include "server_message_bytes.h"
#include "sim/simulator.h"

namespace market {
namespace {

using test_messages::Message;

constexpr uint16_t kSword = 3264;
constexpr uint8_t kHostOpcode = 100;

Message Enter() {
  Message m(0xF6);
  m.U32(5).U32(1).U8(4).U16(2).U16(kSword).U16(1).U16(3031).U16(90);  // gold 2^32 + 5
  return m;
}

Message Details() {
  Message m(0xF8);
  m.U16(kSword);
  for (int i = 0; i < 15; ++i) m.Text(i == 0 ? "12" : "");
  m.U8(1).U32(2).U32(300).U32(200).U32(100);
  m.U8(1).U32(1).U32(50).U32(50).U32(0xFFFFFFFF);
  return m;
}

// An item's offers: holder names, no item ids, no states.
Message ItemOffers() {
  Message m(0xF9);
  m.U16(kSword);
  m.U32(1).U32(1700000000).U16(1).U16(5).U32(100).Text("Aldric");
  m.U32(1).U32(1700000001).U16(2).U16(6).U32(200).Text("Bea");
  return m;
}

// Own current offers: item ids, neither states nor names.
Message OwnOffers() {
  Message m(0xF9);
  m.U16(kOwnOffers);
  m.U32(1).U32(1700000002).U16(3).U16(3031).U16(7).U32(300);
  m.U32(0);
  return m;
}

// Own history: item ids and states.
Message History() {
  Message m(0xF9);
  m.U16(kOwnHistory);
  m.U32(0);
  m.U32(2).U32(1).U16(4).U16(3031).U16(8).U32(400).U8(3);
  m.U32(2).U16(5).U16(kSword).U16(9).U32(500).U8(255);
  return m;
}

std::string Offers(const OfferLists& lists) {
  std::string text = std::to_string(lists.request) + (lists.received ? "" : "?");
  for (const auto* side : {&lists.buy, &lists.sell}) {
    text += "|";
    for (const MarketOffer& o : *side) {
      text += std::to_string(o.timestamp) + "," + std::to_string(o.counter) + "," +
              std::to_string(o.itemId) + "," + std::to_string(o.amount) + "," +
              std::to_string(o.price) + "," + std::to_string(o.state) + "," + o.holderName + ";";
    }
  }
  return text;
}

// What a message may change of the market's state, as one text.
std::string Summary() {
  const MarketState& s = State();
  std::string text = std::to_string(BalanceU64()) + "|" + std::to_string(s.offerCount);
  for (const auto& [item, count] : s.depot) {
    text += "|d" + std::to_string(item) + "=" + std::to_string(count);
  }
  text += "|details " + std::to_string(s.details.itemId) + ":" + s.details.texts[0] + ":" +
          std::to_string(s.details.buy.transactions) + "," + std::to_string(s.details.buy.lowest) +
          "," + std::to_string(s.details.sell.lowest);
  text += "|" + Offers(s.itemOffers) + "|" + Offers(s.ownOffers) + "|" + Offers(s.history);
  return text;
}

class MarketMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.Start();
    table.emplace();  // the market's parsers alone, whatever the library wired
    hooks.emplace();
    ASSERT_TRUE(protocol::RegisterOpcode(0xF6, &ParseMarketEnter));
    ASSERT_TRUE(protocol::RegisterOpcode(0xF7, &ParseMarketLeave));
    ASSERT_TRUE(protocol::RegisterOpcode(0xF8, &ParseMarketDetails));
    ASSERT_TRUE(protocol::RegisterOpcode(0xF9, &ParseMarketOffers));
    simulator.SetGameState(8);
    State().Reset();
    State().browsedTradeId = kSword;
  }
  void TearDown() override {
    State().Reset();
    protocol::ResetSharedValuesForTests();
  }

  sim::Simulator simulator;
  std::optional<protocol::ScopedOpcodeTableForTests> table;
  std::optional<protocol::ScopedMessageHooksForTests> hooks;
};

TEST_F(MarketMessages, AMessageCutShortChangesNothingAndAWholeOneIsStored) {
  BalanceU64() = 77;
  State().depot[1] = 1;
  const std::string before = Summary();
  for (const Message& message : {Enter(), Details(), ItemOffers(), OwnOffers(), History()}) {
    const std::vector<uint8_t>& bytes = message.bytes;
    for (size_t length = 1; length < bytes.size(); ++length) {
      simulator.ServerMessage({bytes.begin(), bytes.begin() + static_cast<long>(length)});
      ASSERT_EQ(Summary(), before) << "opcode " << int{bytes[0]} << ", " << length << " bytes";
    }
  }

  // Each message whole, followed by a host opcode: each reads exactly its
  // payload, so the host gets the opcode after it. Entering opens a fresh
  // window with nothing chosen; then the sword is.
  for (const Message& message : {Enter(), Details(), ItemOffers(), OwnOffers(), History()}) {
    std::vector<uint8_t> bytes = message.bytes;
    bytes.push_back(kHostOpcode);
    EXPECT_EQ(simulator.ServerMessage(bytes), std::vector<int>{kHostOpcode})
        << "opcode " << int{bytes[0]};
    State().browsedTradeId = kSword;
  }
  EXPECT_EQ(Summary(),
            "4294967301|4|d3031=90|d3264=1"
            "|details 3264:12:2,100,0"
            "|3264|1700000000,1,3264,5,100,0,Aldric;|1700000001,2,3264,6,200,0,Bea;"
            "|65534|1700000002,3,3031,7,300,0,;|"
            "|65535||1,4,3031,8,400,3,;2,5,3264,9,500,255,;");
}

TEST_F(MarketMessages, CountsTheMessageCannotHoldEndTheHandler) {
  const std::string before = Summary();
  Message offers(0xF9);
  offers.U16(kOwnOffers).U32(0xFFFFFFFF).U32(1).U16(1).U16(1).U16(1).U32(1);
  simulator.ServerMessage(offers.bytes);
  Message depot(0xF6);
  depot.U32(1).U32(0).U8(0).U16(0xFFFF).U16(1).U16(1);
  simulator.ServerMessage(depot.bytes);
  Message statistics(0xF8);
  statistics.U16(kSword);
  for (int i = 0; i < 15; ++i) statistics.Text("");
  statistics.U8(255).U32(1);
  simulator.ServerMessage(statistics.bytes);
  EXPECT_EQ(Summary(), before);
}

TEST_F(MarketMessages, AnswersAboutAnotherItemAreDropped) {
  State().browsedTradeId = 3031;
  simulator.ServerMessage(ItemOffers().bytes);
  simulator.ServerMessage(Details().bytes);
  EXPECT_FALSE(State().itemOffers.received);
  EXPECT_EQ(State().details.itemId, 0);
  // The player's own lists belong to no item.
  simulator.ServerMessage(OwnOffers().bytes);
  EXPECT_TRUE(State().ownOffers.received);
}

}  // namespace
}  // namespace market
