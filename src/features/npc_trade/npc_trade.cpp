#include "features/npc_trade/npc_trade.h"

#include <utility>
#include <vector>

#include "features/npc_trade/state.h"
#include "features/npc_trade/window.h"
#include "gui/window_sets.h"
#include "host/frame_hooks.h"
#include "host/host_functions.h"
#include "input/input_hooks.h"
#include "protocol/dispatcher.h"
#include "protocol/handler_guard.h"
#include "protocol/message_reader.h"

namespace npc_trade {
namespace {

constexpr int32_t kGoodsOpcode = 0x7A;
constexpr int32_t kPlayerGoodsOpcode = 0x7B;
constexpr int32_t kCloseOpcode = 0x7C;

// The fewest bytes an entry takes on the wire: a good with an empty name,
// and a carried good.
constexpr uint64_t kGoodBytes = 2 + 1 + 2 + 4 + 4 + 4;
constexpr uint64_t kHeldGoodBytes = 2 + 1;

NpcTradeItem ReadGood() {
  NpcTradeItem item;
  item.itemId = HostReadU16();
  item.subtype = HostReadU8();
  item.name = ReadString();
  item.weight = HostReadU32();
  item.buyPrice = HostReadU32();
  item.sellPrice = HostReadU32();
  return item;
}

}  // namespace

// Each parser reads its whole payload into records of its own and changes
// the trade only afterwards, so a message cut short changes nothing.

void ParseNpcTradeGoods() {
  protocol::RunQuietly([] {
    const uint16_t count = HostReadU16();
    RequireRoom(count, kGoodBytes, "trade goods");
    std::vector<NpcTradeItem> goods;
    goods.reserve(count);
    for (uint16_t i = 0; i < count; ++i) goods.push_back(ReadGood());

    // A new trader while a trade is open: that trade ends first, as if
    // the player had closed it.
    if (TradeWindow != nullptr) CloseTrade();
    TradeState& trade = Trade();
    trade.goods = std::move(goods);
    trade.player = PlayerGoods{};
    OpenTradeWindow();
  });
}

void ParseNpcTradePlayerGoods() {
  protocol::RunQuietly([] {
    PlayerGoods player;
    player.money = ReadU64();
    const uint8_t count = HostReadU8();
    RequireRoom(count, kHeldGoodBytes, "carried goods");
    player.goods.resize(count);
    for (HeldGood& good : player.goods) {
      good.itemId = HostReadU16();
      good.amount = HostReadU8();
    }

    Trade().player = std::move(player);
    OnPlayerGoodsReplaced();
  });
}

void ParseNpcTradeClose() {
  protocol::RunQuietly([] { CloseTrade(); });
}

void Install() {
  protocol::RegisterOpcode(kGoodsOpcode, &ParseNpcTradeGoods);
  protocol::RegisterOpcode(kPlayerGoodsOpcode, &ParseNpcTradePlayerGoods);
  protocol::RegisterOpcode(kCloseOpcode, &ParseNpcTradeClose);
  gui::RegisterSingleton(gui::Singleton::NpcTrade, &TradeWindow);
  input::hooks::npcTradeListWheel = &OfferListWheel;
  host::RegisterGameLeftReset(&DropTrade);
}

}  // namespace npc_trade
