// The market: browsing items by category or name, an item's buy and sell
// offers with its details and statistics, accepting and creating offers,
// and the player's own current offers and offer history. The server owns
// the market; the library shows what it last sent and sends the requests.
#pragma once

namespace market {

// The server's messages.
void ParseMarketEnter();    // 246
void ParseMarketLeave();    // 247
void ParseMarketDetails();  // 248
void ParseMarketOffers();   // 249

// Registers the messages, the balance refreshes and the per-game reset.
// Called once at attach.
void Install();

}  // namespace market
