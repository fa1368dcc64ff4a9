// The store's server messages through the simulated host's parsing loop:
// cut short at every length they leave the store's state as it was.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "features/store/state.h"
#include "features/store/store.h"
#include "protocol/dispatcher.h"
#include "protocol/message_hooks.h"
#include "server_message_bytes.h"
#include "sim/simulator.h"

namespace store {
namespace {

using test_messages::Message;

// Two offers: a disabled sale with two icons and a sub-offer, and a plain one.
Message Offers() {
  Message m(0xFC);
  m.Text("Weapons").U16(2);
  m.U32(7).Text("Sword").Text("Sharp.").U32(100).U8(2).U32(86400).U32(150);
  m.U8(1).Text("Too low level.").U8(2).Text("first.png").Text("second.png");
  m.U16(1).Text("Hilt").Text("A hilt.").U8(0).Text("7");
  m.U32(8).Text("Shield").Text("").U32(5).U8(0).U8(0).U8(0).U16(0);
  return m;
}

Message History() {
  Message m(0xFD);
  m.U32(2).U32(0).U8(2);
  m.U32(0).U8(9).U32(0x80000000u).Text("Bought");
  m.U32(86400).U8(1).U32(5).Text("Gift");
  return m;
}

Message StoreData() {
  Message m(0xFB);
  m.U8(1).U32(500).U32(250);  // the balances, read by the dispatcher
  m.Text("http://images/").U16(10).U8(1).U16(1);
  m.Text("Boosts").Text("Faster.").U8(1).U8(1).Text("boost.png").Text("");
  return m;
}

// What a message may change of the store's state, as one text.
std::string Summary() {
  const StoreState& s = State();
  std::string text = s.imageBaseUrl + "|" + std::to_string(s.packageSize) + "|" +
                     std::to_string(s.firstIconFlag) + "|" + s.offersCategory + "|" +
                     std::to_string(s.historyPage) + "/" + std::to_string(s.historyPages);
  for (const StoreCategory& c : s.categories) text += "|c:" + c.name;
  for (const StoreOffer& o : s.offers) text += "|o:" + o.name;
  for (const HistoryRow& h : s.history) text += "|h:" + h.description;
  return text;
}

class StoreMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.Start();
    table.emplace();  // the store's parsers alone, whatever the library wired
    hooks.emplace();
    ASSERT_TRUE(protocol::RegisterStoreBalanceMessage(&ParseStoreData));
    ASSERT_TRUE(protocol::RegisterOpcode(0xFC, &ParseStoreOffers));
    ASSERT_TRUE(protocol::RegisterOpcode(0xFD, &ParseStoreHistory));
    simulator.SetGameState(8);
    State().Reset();
  }
  void TearDown() override { State().Reset(); }

  sim::Simulator simulator;
  std::optional<protocol::ScopedOpcodeTableForTests> table;
  std::optional<protocol::ScopedMessageHooksForTests> hooks;
};

TEST_F(StoreMessages, AMessageCutShortChangesNothingAndAWholeOneIsStored) {
  StoreState& s = State();
  s.imageBaseUrl = "http://before/";
  s.packageSize = 30;
  s.offersCategory = "Before";
  s.historyPage = 4;
  s.historyPages = 9;
  s.categories.emplace_back().name = "old category";
  s.offers.emplace_back().name = "old offer";
  s.history.emplace_back().description = "old entry";
  const std::string before = Summary();
  for (const Message& message : {StoreData(), Offers(), History()}) {
    const std::vector<uint8_t>& bytes = message.bytes;
    for (size_t length = 1; length < bytes.size(); ++length) {
      simulator.ServerMessage({bytes.begin(), bytes.begin() + static_cast<long>(length)});
      ASSERT_EQ(Summary(), before) << "opcode " << int{bytes[0]} << ", " << length << " bytes";
    }
  }

  EXPECT_TRUE(simulator.ServerMessage(Offers().bytes).empty());  // consumed
  EXPECT_TRUE(simulator.ServerMessage(History().bytes).empty());
  // A page count of 0 is one page.
  EXPECT_EQ(Summary(),
            "http://before/|30|0|Weapons|2/1|c:old category|o:Sword|o:Shield|h:Bought|h:Gift");
  EXPECT_EQ(s.offers[0].imageName, "second.png");  // the first-icon flag is 0
  EXPECT_EQ(s.history[0].changeText, "-2147483648");
}

}  // namespace
}  // namespace store
