// The market's client requests. Each is sent only when none of its fields
// that name something (item, amount, price, offer) is zero; the answer
// tells whether it went out.
#pragma once

#include <cstdint>

#include "features/market/rules.h"

namespace market {

// 244: leaving the market (the server answers with 247).
void RequestLeave();
// 245: the offers of an item (its trade id), or kOwnOffers, kOwnHistory.
bool RequestOffers(uint16_t request);
// 246: a new offer.
bool RequestCreate(OfferType type, uint16_t tradeId, uint16_t amount, uint32_t price,
                   bool anonymous);
// 247: cancelling one of the player's offers.
bool RequestCancel(uint32_t timestamp, uint16_t counter);
// 248: accepting `amount` pieces of an offer.
bool RequestAccept(uint32_t timestamp, uint16_t counter, uint16_t amount);

}  // namespace market
