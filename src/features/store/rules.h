// The store's rules that need no window: which icon stands for a record,
// the texts built from numbers, the gift arithmetic, the search match, the
// history paging and the message box titles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "features/store/state.h"

namespace store {

inline constexpr const char* kEmptyImage = "empty.png";
inline constexpr const char* kSearchHint = "Type to search";

// No icons: "empty.png"; one: that one; two or more: the first when the
// flag is set, else the second. An empty choice becomes "empty.png" too.
std::string ChooseImageName(const std::vector<std::string>& icons, uint8_t firstIconFlag);

// The decimal text of a price; "+N" / "-N" for a history change.
std::string PriceText(uint32_t price);
std::string ChangeText(int32_t change);

// Transferable coins rounded down to whole packages (a package size of 0
// counts as 1, so nothing divides by zero).
uint32_t GiftableCoins(uint32_t transferable, uint16_t packageSize);
// Whether at least one package can be gifted.
bool CanGift(uint32_t transferable, uint16_t packageSize);
// The slider's last position: giftable / package size - 1 (0 when nothing
// can be gifted).
int32_t GiftSliderMaximum(uint32_t transferable, uint16_t packageSize);
// The amount a slider position gifts: (position + 1) x package size, never
// more than the giftable coins.
uint32_t GiftAmount(int32_t position, uint32_t transferable, uint16_t packageSize);

// Whether an offer called `name` is shown under the search text `filter`:
// always for an empty filter or the hint text, else when the lower-cased
// name contains the lower-cased filter.
bool SearchShows(const std::string& filter, const std::string& name);

// History paging: "Page 2/5" for page 1 of 5.
std::string PageLabel(uint32_t page, uint32_t pages);
bool PreviousPageShown(uint32_t page);
bool NextPageShown(uint32_t page, uint32_t pages);

// The message box title of a message type (224's type; 255 for 254).
std::string MessageBoxTitle(uint8_t type);

// The texts the description pane receives for an offer, in order, each
// added as one text (split at line feeds and word-wrapped by the pane).
std::vector<std::string> DescriptionTexts(const StoreOffer& offer);
// The unavailable pane's text for a disabled offer.
std::string UnavailableText(const std::string& reason);

// Whether "Buy" may act: the offer is enabled and its price within the
// balance.
bool CanBuy(const StoreOffer& offer, uint32_t balance);

}  // namespace store
