// The store's client requests, each sent at once through the host's
// connection.
#pragma once

#include <cstdint>
#include <string>

namespace store {

// 251: the offers of a category; `value` 0 after message 251, the clicked
// row's index after a click.
void RequestOffers(uint8_t value, const std::string& category);
// 252 (id, 0): buy an offer.
void RequestBuy(uint32_t offerId);
// 252 (id, type): the answer to message 225 for every type but 1.
void RequestProduct(uint32_t offerId, uint8_t productType);
// 252 (id, 1, name): the Name Changer's "Change".
void RequestNameChange(uint32_t offerId, const std::string& name);
// 253 (33): the history, 33 entries a page.
void RequestHistory();
// 254 (page): another history page.
void RequestHistoryPage(uint32_t page);
// 239 (recipient, amount): gift coins.
void RequestGift(const std::string& recipient, uint32_t amount);

}  // namespace store
