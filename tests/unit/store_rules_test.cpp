// The store's rules that need no window: the icon chosen for a record, the
// texts built from numbers, the gift arithmetic, the search, the history
// paging, the message box titles and the texts of the description pane.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "features/store/rules.h"
#include "features/store/state.h"

namespace store {
namespace {

using Texts = std::vector<std::string>;

TEST(StoreRules, ChosenImageName) {
  struct Row {
    Texts icons;
    uint8_t flag;
    const char* chosen;
  };
  const Row rows[] = {
      {{}, 0, "empty.png"},
      {{}, 1, "empty.png"},
      {{"one.png"}, 0, "one.png"},
      {{"one.png"}, 1, "one.png"},
      {{"first.png", "second.png"}, 0, "second.png"},
      {{"first.png", "second.png"}, 1, "first.png"},
      {{"first.png", "second.png"}, 7, "first.png"},  // any value but 0 is set
      {{"a.png", "b.png", "c.png"}, 0, "b.png"},
      {{""}, 1, "empty.png"},
      {{"first.png", ""}, 0, "empty.png"},
      {{"", "second.png"}, 1, "empty.png"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(ChooseImageName(r.icons, r.flag), r.chosen)
        << r.icons.size() << " icons, flag " << int{r.flag};
  }
}

TEST(StoreRules, PriceAndChangeTexts) {
  EXPECT_EQ(PriceText(0), "0");
  EXPECT_EQ(PriceText(4'294'967'295u), "4294967295");
  const std::pair<int32_t, const char*> changes[] = {
      {0, "+0"},
      {250, "+250"},
      {-250, "-250"},
      {std::numeric_limits<int32_t>::max(), "+2147483647"},
      {std::numeric_limits<int32_t>::min(), "-2147483648"},
  };
  for (const auto& [change, text] : changes) EXPECT_EQ(ChangeText(change), text) << change;
}

TEST(StoreRules, GiftingGoesInWholePackagesAndNeverBeyondTheGiftableCoins) {
  constexpr uint32_t kMax32 = std::numeric_limits<uint32_t>::max();
  constexpr int32_t kMaxPosition = std::numeric_limits<int32_t>::max();
  struct Row {
    uint32_t transferable;
    uint16_t package;
    uint32_t giftable;
    bool canGift;
    int32_t sliderMaximum;
    int32_t position;
    uint32_t amount;
  };
  const Row rows[] = {
      {0, 25, 0, false, 0, 0, 0},
      {24, 25, 0, false, 0, 0, 0},
      {25, 25, 25, true, 0, 0, 25},
      {74, 25, 50, true, 1, 1, 50},
      {100, 25, 100, true, 3, 0, 25},
      {100, 25, 100, true, 3, 3, 100},
      {100, 25, 100, true, 3, 4, 100},  // past the slider: still the giftable coins
      {100, 25, 100, true, 3, -5, 25},  // before it: one package
      {0, 0, 0, false, 0, 0, 0},        // package size 0 gifts coin by coin
      {7, 0, 7, true, 6, 2, 3},
      {kMax32, 0, kMax32, true, kMaxPosition, kMaxPosition, 2'147'483'648u},
      {kMax32 - 1, 65535, 4'294'901'760u, true, 65535, 65535, 4'294'901'760u},
      {kMax32 - 1, 65535, 4'294'901'760u, true, 65535, kMaxPosition, 4'294'901'760u},
      {kMax32, 65535, kMax32, true, 65536, 65536, kMax32},  // 65535 x 65537
      {65534, 65535, 0, false, 0, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message()
                 << r.transferable << " / " << r.package << " at " << r.position);
    EXPECT_EQ(GiftableCoins(r.transferable, r.package), r.giftable);
    EXPECT_EQ(CanGift(r.transferable, r.package), r.canGift);
    EXPECT_EQ(GiftSliderMaximum(r.transferable, r.package), r.sliderMaximum);
    EXPECT_EQ(GiftAmount(r.position, r.transferable, r.package), r.amount);
  }
}

TEST(StoreRules, SearchMatchesNamesWithoutRegardToCase) {
  struct Row {
    const char* filter;
    const char* name;
    bool shown;
  };
  const Row rows[] = {
      {"", "Magic Sword", true},
      {"Type to search", "Magic Sword", true},
      {"type to search", "Magic Sword", false},  // only the hint itself shows all
      {"SWORD", "magic sword", true},
      {"sword", "Magic SWORD", true},
      {"ic sw", "Magic Sword", true},
      {"Magic Sword", "Magic Sword", true},
      {"Magic Swords", "Magic Sword", false},
      {"axe", "Magic Sword", false},
      {"a", "", false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(SearchShows(r.filter, r.name), r.shown) << '"' << r.filter << "\" in " << r.name;
  }
}

TEST(StoreRules, HistoryPaging) {
  struct Row {
    uint32_t page, pages;
    const char* label;
    bool previous, next;
  };
  const Row rows[] = {
      {0, 1, "Page 1/1", false, false},
      {0, 0, "Page 1/0", false, false},  // a count of 0 never shows "Next Page"
      {0, 5, "Page 1/5", false, true},
      {1, 5, "Page 2/5", true, true},
      {3, 5, "Page 4/5", true, true},
      {4, 5, "Page 5/5", true, false},
      {9, 5, "Page 10/5", true, false},  // beyond the count the server sent
      {4'294'967'295u, 4'294'967'295u, "Page 4294967296/4294967295", true, false},
      {4'294'967'294u, 4'294'967'295u, "Page 4294967295/4294967295", true, false},
      {4'294'967'293u, 4'294'967'295u, "Page 4294967294/4294967295", true, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.page << " of " << r.pages);
    EXPECT_EQ(PageLabel(r.page, r.pages), r.label);
    EXPECT_EQ(PreviousPageShown(r.page), r.previous);
    EXPECT_EQ(NextPageShown(r.page, r.pages), r.next);
  }
}

TEST(StoreRules, MessageBoxTitles) {
  const std::pair<uint8_t, const char*> rows[] = {
      {0, "Purchase failed"},
      {1, "Failure!"},
      {2, "Failed to retrieve Coins History"},
      {3, "Gifting not posible"},
      {4, "Information"},
      {5, "Purchase completed successfully"},
      {255, "Purchase completed successfully"},
  };
  for (const auto& [type, title] : rows) EXPECT_EQ(MessageBoxTitle(type), title) << int{type};
}

TEST(StoreRules, DescriptionTextsAndAvailability) {
  StoreOffer offer;
  offer.description = "A sword.\nSharp.";
  offer.price = 100;
  offer.saleEndText = "2026-12-07, 10:00:00";
  EXPECT_EQ(DescriptionTexts(offer), (Texts{"A sword.\nSharp."}));  // only a sale has an end

  offer.highlight = kSale;
  offer.subOffers.resize(2);
  offer.subOffers[0].name = "Sword";
  offer.subOffers[1].name = "Shield";
  EXPECT_EQ(DescriptionTexts(offer),
            (Texts{"This offer expires at:\n2026-12-07, 10:00:00 \n \n", "A sword.\nSharp.",
                   " \n \nThis package contains:\n", "Sword", "Shield"}));
  offer.highlight = kMarked;
  EXPECT_EQ(DescriptionTexts(offer).front(), "A sword.\nSharp.");

  EXPECT_EQ(UnavailableText("Too low level."),
            "The product is currently not available for this character:\nToo low level.");

  struct Row {
    bool disabled;
    uint32_t balance;
    bool canBuy;
  };
  const Row rows[] = {{false, 99, false},
                      {false, 100, true},
                      {false, 101, true},
                      {true, 100, false},
                      {true, 1000, false}};
  for (const Row& r : rows) {
    offer.disabled = r.disabled;
    EXPECT_EQ(CanBuy(offer, r.balance), r.canBuy) << r.disabled << " " << r.balance;
  }
}

}  // namespace
}  // namespace store
