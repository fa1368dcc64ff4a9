// Trading with a non-player character: the trader's goods and the player's
// money and carried goods come from the server; the "NPC Trade" window
// lists what can be bought or sold, checks what the player can afford or
// carry, and sends the buy, sell and close requests.
#pragma once

namespace npc_trade {

// The server's messages.
void ParseNpcTradeGoods();        // 122
void ParseNpcTradePlayerGoods();  // 123
void ParseNpcTradeClose();        // 124

// Registers the messages, the window, its wheel routing and the per-game
// reset. Called once at attach.
void Install();

}  // namespace npc_trade
