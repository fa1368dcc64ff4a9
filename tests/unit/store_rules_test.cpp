// The store's rules that need no window: the icon chosen for a record, the
// texts built from numbers and the gift arithmetic at their edges. The
// search, paging, titles and description texts are the scenarios'.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "features/store/rules.h"

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

}  // namespace
}  // namespace store
