// The store's widgets: the description pane's word wrap, the selection and
// scroll arithmetic of the lists' arrow keys, and the colours and clipping
// of the offer cards. What the whole window shows and sends is the
// scenarios' business.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "features/store/details_pane.h"
#include "features/store/offer_list.h"
#include "features/store/pieces.h"
#include "features/store/state.h"
#include "gui/dialog.h"
#include "gui/widgets/label.h"
#include "gui/widgets/row_list.h"
#include "gui_widgets_fixture.h"
#include "protocol/shared_values.h"

namespace {

using namespace widget_test;

// ---- word wrap ----------------------------------------------------------------------------

// Six pixels a character, and 'W' forty: wider than the limits below.
int32_t FixedWidth(const std::string& text) {
  int32_t width = 0;
  for (const char c : text) width += c == 'W' ? 40 : 6;
  return width;
}

TEST(StoreWrapText, BreaksAtTheLastSpaceBeforeTheCharacterThatReachesTheLimit) {
  struct Case {
    const char* text;
    int32_t limit;
    std::vector<std::string> lines;
  };
  // With a limit of 30 a line holds four characters: the fifth reaches 30.
  const Case cases[] = {
      {"abc", 30, {"abc"}},
      {"abcd", 30, {"abcd"}},
      {"abcde", 30, {"abcd", "e"}},  // no space: mid-word
      {"abcdefghij", 30, {"abcd", "efgh", "ij"}},
      {"ab cd ef", 30, {"ab", "cd", "ef"}},           // at the last space, dropped
      {"abcd efgh", 30, {"abcd", "efgh"}},            // the space itself reaches
      {"a  b", 30, {"a  b"}},                         // several spaces that fit
      {"ab   cdefg", 30, {"ab  ", "cdef", "g"}},      // only the last space goes
      {"abcd  efg", 30, {"abcd", " efg"}},            // the second space starts a line
      {"abcd  efghij", 30, {"abcd", " efg", "hij"}},  // a leading space is no break
      {"", 30, {}},                                   // an empty segment: no line
      {"\n", 30, {}},
      {"a\n\nb", 30, {"a", "b"}},
      {"\n \n", 30, {" "}},  // the pane's blank line
      {" ", 30, {" "}},
      {" ", 5, {" "}},               // a space wider than the limit
      {"abcd ", 30, {"abcd"}},       // nothing left after the space
      {"aWb", 30, {"a", "W", "b"}},  // wider than the limit alone
      {"W", 30, {"W"}},
      {"ab", 0, {"a", "b"}},  // no room at all still moves on
      {"one two\nthree", 60, {"one two", "three"}},
      {"This offer expires at:\n2024-05-01, 10:00:00 \n \n",
       100,
       {"This offer", "expires at:", "2024-05-01,", "10:00:00 ", " "}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(store::WrapText(c.text, c.limit, &FixedWidth), c.lines)
        << '"' << c.text << "\" limit " << c.limit;
  }
}

// ---- selection arithmetic -------------------------------------------------------------------

TEST(StoreSelection, ArrowsMoveOneEntryClampedAndScrollIntoView) {
  struct Step {
    int32_t selected, count, key, result;
  };
  const Step steps[] = {
      {0, 5, gui::kKeyDown, 1},
      {4, 5, gui::kKeyDown, 4},
      {0, 5, gui::kKeyUp, 0},
      {3, 5, gui::kKeyUp, 2},
      {2, 5, 0x41, 2},
      {-1, 5, gui::kKeyDown, 0},
      {-1, 5, gui::kKeyUp, 0},
      {7, 5, gui::kKeyUp, 0},
      {-1, 5, 0x41, -1},
      {0, 0, gui::kKeyDown, -1},
      {3, 0, gui::kKeyUp, -1},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(gui::StepSelection(s.selected, s.count, s.key), s.result)
        << s.selected << " of " << s.count << " key " << s.key;
  }

  struct View {
    int32_t selected, position, visible, result;
  };
  const View views[] = {
      {13, 0, 13, 1},                  // one past the last shown: it becomes the last shown
      {12, 0, 13, 0},                  // the last shown stays
      {30, 2, 13, 18}, {4, 7, 13, 4},  // above the first shown: it becomes the first
      {7, 7, 13, 7},   {5, 0, 0, 5},   // nothing fits: the selection is shown alone
      {-1, 3, 5, 3},                   // no selection: no move
  };
  for (const View& v : views) {
    EXPECT_EQ(gui::ScrollToShow(v.selected, v.position, v.visible), v.result)
        << v.selected << " from " << v.position << " showing " << v.visible;
  }
}

// ---- the lists ------------------------------------------------------------------------------

class StoreWidgets : public WidgetTest {
 protected:
  void TearDown() override {
    store::State().Reset();
    protocol::ResetSharedValuesForTests();
    WidgetTest::TearDown();
  }

  static void Offer(std::string name, uint32_t price, uint8_t highlight = store::kPlain,
                    uint32_t basePrice = 0) {
    store::StoreOffer offer;
    offer.id = static_cast<uint32_t>(store::State().offers.size()) + 1;
    offer.name = std::move(name);
    offer.price = price;
    offer.priceText = std::to_string(price);
    offer.highlight = highlight;
    offer.basePrice = basePrice;
    offer.basePriceText = std::to_string(basePrice);
    store::State().offers.push_back(std::move(offer));
  }

  std::vector<sim::DrawCall> Texts() {
    std::vector<sim::DrawCall> texts;
    for (sim::DrawCall& call : std::exchange(simulator.Host().Draws(), {})) {
      if (call.name == "HostDrawText") texts.push_back(std::move(call));
    }
    return texts;
  }
};

TEST_F(StoreWidgets, OfferCardsClipLongNamesAndColourPricesAboveTheBalance) {
  CoinBalanceA() = 250;
  Offer(std::string(64, 'L') + " of the longest name", 4294967295u);
  Offer("Sale", 250, store::kSale, 400);
  for (int i = 0; i < 10; ++i) Offer("Filler " + std::to_string(i), 1);
  GUI_StoreOffers list(216, 37, 260, 436, 115);
  list.ShowAll();
  simulator.Host().Draws().clear();
  list.Draw();
  const std::vector<sim::DrawCall> texts = Texts();
  // Five cards; the sale card has its base price too.
  ASSERT_EQ(texts.size(), 5u * 2 + 1);
  const int32_t top = 37 + 7;
  // HostDrawText(surface, x, y, font, r, g, b, align)
  EXPECT_EQ(texts[0].text.substr(texts[0].text.size() - 3), "...");
  EXPECT_LE(static_cast<int32_t>(texts[0].text.size()) * 5, 152);
  EXPECT_EQ(texts[0].args, (std::vector<int32_t>{1, 216 + 86, top + 8, 4, 255, 255, 255, 0}));
  EXPECT_EQ(texts[1].text, "4294967295");
  EXPECT_EQ(texts[1].args, (std::vector<int32_t>{1, 216 + 221, top + 62, 4, 240, 30, 35, 2}));
  EXPECT_EQ(texts[2].args, (std::vector<int32_t>{1, 216 + 86, top + 85 + 8, 4, 250, 180, 75, 0}));
  EXPECT_EQ(texts[3].text, "250");  // equal to the balance: affordable
  EXPECT_EQ(texts[3].args,
            (std::vector<int32_t>{1, 216 + 221, top + 85 + 62, 4, 192, 192, 192, 2}));
  EXPECT_EQ(texts[4].text, "400");
  EXPECT_EQ(texts[4].args[2], top + 85 + 40);
  for (const sim::DrawCall& text : texts) EXPECT_LE(text.args[2] + 12, 37 + 436) << text.text;
}

// A click focuses the gift button, which raises it over its siblings; its
// amount must still be drawn after its face, not hidden under it.
TEST_F(StoreWidgets, TheGiftAmountStaysOnTheButtonsFaceAfterAClick) {
  GUI_Dialog dialog(0, 0, 400, 100, "Store", 0);
  auto* gift = dialog.AddChild(new GUI_TransferButton(173, 20, 130, 20, 102));
  auto* amount = dialog.AddChild(new GUI_Label(285, 26, 0, 14, "4294967295", 106, 180, 180, 180));
  amount->align = 2;
  gift->faceParts.push_back(amount);
  amount->visible = 0;
  for (const bool clicked : {false, true}) {
    if (clicked) dialog.SetFocus(gift);
    simulator.Host().Draws().clear();
    dialog.Draw();
    const std::vector<std::string> draws = TakeDraws();
    const auto face = std::find(draws.begin(), draws.end(),
                                Skin(173 + 3, 23, store::kTransferSrcX, store::kTransferSrcY,
                                     store::kTransferW, store::kTransferH));
    const auto text = std::find(draws.begin(), draws.end(),
                                Text(285, 26, 1, 180, 180, 180, "4294967295", 2));
    ASSERT_NE(face, draws.end()) << "clicked " << clicked;
    ASSERT_NE(text, draws.end()) << "clicked " << clicked;
    EXPECT_GT(text, face) << "clicked " << clicked;
    EXPECT_EQ(std::count(draws.begin(), draws.end(), *text), 1) << "clicked " << clicked;
  }
}

}  // namespace
