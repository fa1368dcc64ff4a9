// The in-game store: categories and offers the server publishes, bought
// with the server's premium coins, a coin history, gifting coins, a name
// change, and the pictures of it all fetched from the operator's web site.
#pragma once

namespace store {

// The server's messages. 251 is the coin balances followed by the store's
// data; the dispatcher reads the balances and this reads the rest.
void ParseStoreData();            // 251 (after the balances)
void ParseStoreOffers();          // 252
void ParseStoreHistory();         // 253
void ParseStorePurchaseResult();  // 254
void ParseStoreMessage();         // 224
void ParseStoreProductRequest();  // 225

// Registers the messages, the coin-label refresh and the per-game reset.
// Called once at attach.
void Install();

}  // namespace store
