// The "NPC Trade" side window: the Buy and Sell tabs, the search box, the
// goods list, the amount box with the total, the two option boxes of the
// mode, the action button and "Close".
#pragma once

#include <cstdint>

class GUI_Window;

namespace npc_trade {

// The open trade window, or none.
extern GUI_Window* TradeWindow;

// Builds the window for the trade in Trade() and shows its rows.
void OpenTradeWindow();
// Closing the trade: request 124 when the window exists, then the whole
// trade state reset and the window destroyed.
void CloseTrade();
// Leaving the game: the window destroyed and the state reset, without a
// request (the connection is gone).
void DropTrade();
// The player's goods changed: the rows, the amount and the money follow.
void OnPlayerGoodsReplaced();

// The window procedure offers the trade's list a wheel event first.
void OfferListWheel(int32_t x, int32_t y, bool up);

}  // namespace npc_trade
