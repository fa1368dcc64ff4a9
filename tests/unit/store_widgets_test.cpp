// The store's widgets: the description pane's word wrap, the selection and
// scroll arithmetic of the category and offer lists (keys, clicks, filter,
// empty lists), what the lists draw of long names and large prices, and
// the small pieces' events. The texts of the whole window are the
// scenarios' business.
#include <string>
#include <utility>
#include <vector>

#include "features/store/category_list.h"
#include "features/store/details_pane.h"
#include "features/store/history_list.h"
#include "features/store/offer_list.h"
#include "features/store/pieces.h"
#include "features/store/state.h"
#include "gui_widgets_fixture.h"
#include "protocol/shared_values.h"
#include "render_test_support.h"

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

TEST(StoreWrapText, NoLineReachesTheLimitUnlessItIsOneCharacter) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += (i % 3 == 0 ? "a " : "Wbcdefghijklmnop ");
  for (const int32_t limit : {1, 30, 45, 124, 259}) {
    const std::vector<std::string> lines = store::WrapText(text, limit, &FixedWidth);
    size_t kept = 0;
    for (const std::string& line : lines) {
      if (line.size() > 1) EXPECT_LT(FixedWidth(line), limit) << '"' << line << "\" " << limit;
      kept += line.size();
    }
    // Only break spaces are dropped, never a letter.
    size_t letters = 0;
    for (const char c : text) letters += c != ' ' ? 1 : 0;
    size_t keptLetters = 0;
    for (const std::string& line : lines)
      for (const char c : line) keptLetters += c != ' ' ? 1 : 0;
    EXPECT_EQ(keptLetters, letters) << limit;
    EXPECT_LE(kept, text.size()) << limit;
  }
}

// ---- selection arithmetic -------------------------------------------------------------------

TEST(StoreSelection, ArrowsMoveOneEntryClampedAndScrollIntoView) {
  struct Step {
    int32_t selected, count, key, result;
  };
  const Step steps[] = {
      {0, 5, store::kKeyDown, 1},
      {4, 5, store::kKeyDown, 4},
      {0, 5, store::kKeyUp, 0},
      {3, 5, store::kKeyUp, 2},
      {2, 5, 0x41, 2},
      {-1, 5, store::kKeyDown, 0},
      {-1, 5, store::kKeyUp, 0},
      {7, 5, store::kKeyUp, 0},
      {-1, 5, 0x41, -1},
      {0, 0, store::kKeyDown, -1},
      {3, 0, store::kKeyUp, -1},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(store::StepSelection(s.selected, s.count, s.key), s.result)
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
    EXPECT_EQ(store::ScrollToShow(v.selected, v.position, v.visible), v.result)
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

  static void Categories(int count) {
    for (int i = 0; i < count; ++i) {
      store::StoreCategory category;
      category.name = "Category " + std::to_string(i);
      store::State().categories.push_back(std::move(category));
    }
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

TEST_F(StoreWidgets, CategoryArrowsClampScrollIntoViewAndPostLikeAClick) {
  Categories(20);
  GUI_StoreCategories list(12, 30, 192, 420, 112);
  list.SetHandler(&Record, 112);
  list.Refresh();
  ASSERT_EQ(list.VisibleRows(), 13);  // tops y + 6 .. y + 390, the last top at most y + 394
  EXPECT_EQ(list.scrollBar.maximum, 7);
  ASSERT_TRUE(list.HasSelection());

  struct Step {
    int32_t key, selected, position;
    bool posted;
  };
  list.selected = 11;
  const Step steps[] = {
      {store::kKeyDown, 12, 0, true},
      {store::kKeyDown, 13, 1, true},
      {store::kKeyDown, 14, 2, true},
      {store::kKeyUp, 13, 2, true},
      {store::kKeyUp, 12, 2, true},
      {store::kKeyUp, 11, 2, true},
      {store::kKeyUp, 10, 2, true},
      {store::kKeyUp, 9, 2, true},
      {store::kKeyUp, 8, 2, true},
      {store::kKeyUp, 7, 2, true},
      {store::kKeyUp, 6, 2, true},
      {store::kKeyUp, 5, 2, true},
      {store::kKeyUp, 4, 2, true},
      {store::kKeyUp, 3, 2, true},
      {store::kKeyUp, 2, 2, true},
      {store::kKeyUp, 1, 1, true},
      {store::kKeyUp, 0, 0, true},
      {store::kKeyUp, 0, 0, false},  // the top: no request
      {0x41, 0, 0, false},
  };
  for (const Step& s : steps) {
    list.OnKeyDown(s.key, 0);
    EXPECT_EQ(list.selected, s.selected);
    EXPECT_EQ(list.FirstRow(), s.position) << s.selected;
    const std::vector<Event> expected =
        s.posted ? std::vector<Event>{{112, s.selected}} : std::vector<Event>{};
    EXPECT_EQ(RunEvents(), expected) << s.selected;
  }
  list.selected = 18;
  list.OnKeyDown(store::kKeyDown, 0);
  list.OnKeyDown(store::kKeyDown, 0);  // the bottom
  EXPECT_EQ(list.selected, 19);
  EXPECT_EQ(list.FirstRow(), 7);
  EXPECT_EQ(RunEvents(), (std::vector<Event>{{112, 19}}));
}

TEST_F(StoreWidgets, CategoryPressesSelectTheBarUnderThemAndOnlyThat) {
  Categories(20);
  GUI_StoreCategories list(12, 30, 192, 420, 112);
  list.SetHandler(&Record, 112);
  list.Refresh();
  list.scrollBar.SetPosition(3, true);
  struct Press {
    int32_t px, py, selected;  // -1: no post
  };
  const Press presses[] = {
      {19, 36, 3},        // the first shown bar's top left
      {185, 36 + 22, 3},  // its bottom right, inclusive
      {100, 36 + 32, 4},
      {100, 36 + 25, -1},       // between two bars
      {18, 40, -1},             // left of the bars
      {186, 40, -1},            // right of them, short of the scroll bar
      {100, 30 + 5, -1},        // above the first bar
      {100, 36 + 12 * 32, 15},  // the last shown bar
      {100, 36 + 13 * 32, -1},  // below the rows that are drawn
  };
  for (const Press& p : presses) {
    list.selected = 0;
    list.OnMouseDown(p.px, p.py);
    const std::vector<Event> expected =
        p.selected < 0 ? std::vector<Event>{} : std::vector<Event>{{112, p.selected}};
    EXPECT_EQ(RunEvents(), expected) << p.px << "," << p.py;
    EXPECT_EQ(list.selected, p.selected < 0 ? 0 : p.selected) << p.px << "," << p.py;
  }
  // The scroll bar takes its own presses: its lower arrow scrolls one row.
  list.OnMouseDown(12 + 192 - 6, 30 + 420 - 6);
  list.OnMouseUp(12 + 192 - 6, 30 + 420 - 6);
  EXPECT_EQ(list.FirstRow(), 4);
  EXPECT_TRUE(RunEvents().empty());
}

TEST_F(StoreWidgets, CategoryListDrawsOnlyTheRowsThatFitWithNamesOnTheirBars) {
  Categories(40);
  store::State().categories[9].name = std::string(70, 'N');  // far longer than a bar
  store::State().categories[10].highlight = store::kSale;
  GUI_StoreCategories list(12, 30, 192, 420, 112);
  list.Refresh();
  list.scrollBar.SetPosition(8, true);
  list.selected = 8;
  simulator.Host().Draws().clear();
  list.Draw();
  const std::vector<sim::DrawCall> texts = Texts();
  ASSERT_EQ(texts.size(), 13u);
  // HostDrawText(surface, x, y, font, r, g, b, align)
  EXPECT_EQ(texts[0].text, "Category 8");
  EXPECT_EQ(texts[0].args, (std::vector<int32_t>{1, 44, 42, 4, 255, 255, 255, 0}));
  EXPECT_EQ(texts[1].text.substr(texts[1].text.size() - 3), "...");
  EXPECT_LE(44 + static_cast<int32_t>(texts[1].text.size()) * 5, 12 + 7 + 166);  // 5 px each
  EXPECT_EQ(texts[2].args, (std::vector<int32_t>{1, 44, 42 + 64, 4, 250, 180, 75, 0}));
  EXPECT_EQ(texts[3].args, (std::vector<int32_t>{1, 44, 42 + 96, 4, 175, 175, 175, 0}));
  EXPECT_EQ(texts.back().text, "Category 20");
  EXPECT_LE(texts.back().args[2] + 12, 30 + 420);
}

TEST_F(StoreWidgets, AnEmptyCategoryListHasNoSelectionAndIgnoresInput) {
  GUI_StoreCategories list(12, 30, 192, 420, 112);
  list.SetHandler(&Record, 112);
  list.Refresh();
  EXPECT_FALSE(list.HasSelection());
  list.OnKeyDown(store::kKeyDown, 0);
  list.OnKeyDown(store::kKeyUp, 0);
  list.OnMouseDown(100, 40);
  list.OnWheel(100, 40, 0);
  EXPECT_TRUE(RunEvents().empty());
  EXPECT_EQ(list.FirstRow(), 0);
  simulator.Host().Draws().clear();
  list.Draw();
  EXPECT_TRUE(Texts().empty());

  // Categories replaced by fewer: the selection past the end goes back.
  Categories(3);
  list.selected = 7;
  list.Refresh();
  EXPECT_EQ(list.selected, 0);
  EXPECT_EQ(list.scrollBar.maximum, 0);
}

TEST_F(StoreWidgets, OfferFilterSelectsTheFirstShownAndArrowsKeepTheCardInView) {
  for (int i = 0; i < 12; ++i)
    Offer((i % 2 == 0 ? "Blue Sword " : "Red Shield ") + std::to_string(i), 10);
  GUI_StoreOffers list(216, 37, 260, 436, 115);
  list.SetHandler(&Record, 115);
  ASSERT_EQ(list.VisibleCards(), 5);  // tops y + 7 .. y + 347, top + 2 at most y + 351

  list.ShowAll();
  EXPECT_EQ(list.shown.size(), 12u);
  EXPECT_EQ(list.selected, 0);
  EXPECT_EQ(list.scrollBar.maximum, 7);

  struct Filter {
    const char* text;
    std::vector<size_t> shown;
  };
  const Filter filters[] = {
      {"SHIELD 1", {1, 11}},
      {"sword", {0, 2, 4, 6, 8, 10}},
      {"", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"Type to search", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"axe", {}},
  };
  for (const Filter& f : filters) {
    list.scrollBar.SetPosition(3, true);
    list.ApplyFilter(f.text);
    EXPECT_EQ(list.shown, f.shown) << f.text;
    EXPECT_EQ(list.FirstCard(), 0) << f.text;
    if (f.shown.empty()) {
      EXPECT_EQ(list.selected, -1);
      EXPECT_EQ(list.SelectedOffer(), nullptr);
      EXPECT_EQ(list.SelectedOfferIndex(), -1);
    } else {
      EXPECT_EQ(list.selected, 0) << f.text;
      EXPECT_EQ(list.SelectedOfferIndex(), static_cast<int32_t>(f.shown[0])) << f.text;
      EXPECT_EQ(list.SelectedOffer(), &store::State().offers[f.shown[0]]) << f.text;
    }
  }
  // Nothing shown: no report, no keys.
  list.SelectFirstAndReport();
  list.OnKeyDown(store::kKeyDown, 0);
  list.OnMouseDown(300, 60);
  EXPECT_TRUE(RunEvents().empty());

  list.ShowAll();
  list.SelectFirstAndReport();
  EXPECT_EQ(RunEvents(), (std::vector<Event>{{115, 0}}));
  struct Step {
    int32_t key, selected, position;
  };
  const Step steps[] = {
      {store::kKeyDown, 1, 0}, {store::kKeyDown, 2, 0}, {store::kKeyDown, 3, 0},
      {store::kKeyDown, 4, 0}, {store::kKeyDown, 5, 1}, {store::kKeyDown, 6, 2},
      {store::kKeyUp, 5, 2},   {store::kKeyUp, 4, 2},   {store::kKeyUp, 3, 2},
      {store::kKeyUp, 2, 2},   {store::kKeyUp, 1, 1},   {store::kKeyUp, 0, 0},
  };
  for (const Step& s : steps) {
    list.OnKeyDown(s.key, 0);
    EXPECT_EQ(list.selected, s.selected);
    EXPECT_EQ(list.FirstCard(), s.position) << s.selected;
    EXPECT_EQ(RunEvents(), (std::vector<Event>{{115, s.selected}})) << s.selected;
  }
  list.OnKeyDown(store::kKeyUp, 0);  // the top: stays, nothing posted
  EXPECT_EQ(list.selected, 0);
  EXPECT_TRUE(RunEvents().empty());

  // The wheel scrolls one card; a press then picks by the shown position.
  list.OnWheel(300, 100, 0);
  list.OnWheel(300, 100, 0);
  EXPECT_EQ(list.FirstCard(), 2);
  list.OnMouseDown(300, 37 + 7 + 85 + 40);  // the second card in view
  EXPECT_EQ(list.selected, 3);
  list.OnMouseDown(300, 37 + 7 + 85 + 83);  // between cards
  list.OnMouseDown(216 + 2, 37 + 7 + 10);   // left of the cards
  EXPECT_EQ(RunEvents(), (std::vector<Event>{{115, 3}}));

  list.Clear();
  EXPECT_TRUE(list.shown.empty());
  EXPECT_EQ(list.SelectedOffer(), nullptr);
  EXPECT_EQ(list.scrollBar.maximum, 0);
}

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

TEST_F(StoreWidgets, HistoryRowsSelectByPressAndArrowsWithinTheRowsAndSendNothing) {
  for (int i = 0; i < 3; ++i) {
    store::HistoryRow row;
    row.date = "2024-01-0" + std::to_string(i + 1) + ", 10:00:00";
    row.change = i == 1 ? -250 : 25;
    row.changeText = i == 1 ? "-250" : "+25";
    row.description = "Row " + std::to_string(i);
    store::State().history.push_back(std::move(row));
  }
  GUI_StoreHistory list(216, 36, 549, 412, 114);
  EXPECT_EQ(list.VisibleRows(), 33);
  struct Step {
    const char* what;
    int32_t px, py, key, selected;
  };
  const Step steps[] = {
      {"up with none selected", 0, 0, store::kKeyUp, 0},
      {"down", 0, 0, store::kKeyDown, 1},
      {"down", 0, 0, store::kKeyDown, 2},
      {"down at the last row", 0, 0, store::kKeyDown, 2},
      {"press on row 0", 300, 36 + 15, 0, 0},
      {"press on row 1's last pixel", 300, 36 + 26, 0, 0},
      {"press on row 1", 300, 36 + 27, 0, 1},
      {"press in the right margin", 216 + 549 - 13, 36 + 40, 0, 1},
      {"press on the header", 300, 36 + 5, 0, 1},
      {"press below the rows", 300, 36 + 15 + 12 * 3, 0, 1},
  };
  for (const Step& s : steps) {
    if (s.key != 0) {
      list.OnKeyDown(s.key, 0);
    } else {
      list.OnMouseDown(s.px, s.py);
    }
    EXPECT_EQ(list.selected, s.selected) << s.what;
  }
  EXPECT_TRUE(RunEvents().empty());

  simulator.Host().Draws().clear();
  list.Draw();
  const std::vector<sim::DrawCall> texts = Texts();
  ASSERT_EQ(texts.size(), 3u + 3 * 3);
  EXPECT_EQ(texts[1].text, "Balance");
  EXPECT_EQ(texts[1].args[7], 2);  // right-aligned
  // The selected row (1) in light text; its loss in red; a gain in green.
  EXPECT_EQ(texts[6].args, (std::vector<int32_t>{1, 220, 36 + 27 + 1, 4, 244, 244, 244, 0}));
  EXPECT_EQ(texts[7].text, "-250");
  EXPECT_EQ((std::vector<int32_t>{texts[7].args[4], texts[7].args[5], texts[7].args[6]}),
            (std::vector<int32_t>{240, 30, 35}));
  EXPECT_EQ((std::vector<int32_t>{texts[4].args[4], texts[4].args[5], texts[4].args[6]}),
            (std::vector<int32_t>{85, 180, 60}));

  list.Clear();
  EXPECT_EQ(list.selected, -1);
  store::State().history.clear();
  list.OnKeyDown(store::kKeyDown, 0);
  list.OnMouseDown(300, 36 + 15);
  EXPECT_EQ(list.selected, -1);
}

TEST_F(StoreWidgets, DetailsScrollRangeFollowsTheLinesBeyondTheVisibleOnes) {
  GUI_StoreDetails pane(621, 108, 144, 86, 118, gui::Color{215, 60, 60});
  ASSERT_EQ(pane.VisibleLines(), 6);
  struct Add {
    std::string text;
    size_t lines;
    int32_t maximum;
  };
  // Font 4 is five pixels a character here: 124 pixels hold 24 of them.
  const Add adds[] = {
      {"one\ntwo", 2, 0},
      {" \n \n", 4, 0},              // two blank lines
      {std::string(30, 'x'), 6, 0},  // 24 + 6
      {"a\nb", 8, 2},
      {"c d e f g h i j k l m n o p q r s t", 10, 4},  // at the space before "o"
  };
  for (const Add& a : adds) {
    pane.AddText(a.text);
    EXPECT_EQ(pane.lines.size(), a.lines) << a.text;
    EXPECT_EQ(pane.scrollBar.maximum, a.maximum) << a.text;
  }
  pane.scrollBar.SetPosition(4, true);
  simulator.Host().Draws().clear();
  pane.Draw();
  const std::vector<sim::DrawCall> texts = Texts();
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[0].text, "xxxxxxxxxxxxxxxxxxxxxxxx");
  EXPECT_EQ(texts[0].args, (std::vector<int32_t>{1, 625, 114, 4, 215, 60, 60, 0}));
  EXPECT_EQ(texts[4].text, "c d e f g h i j k l m n");
  EXPECT_EQ(texts[5].text, "o p q r s t");

  pane.Clear();
  EXPECT_TRUE(pane.lines.empty());
  EXPECT_EQ(pane.scrollBar.maximum, 0);
  EXPECT_EQ(pane.scrollBar.position, 0);
}

TEST_F(StoreWidgets, GiftButtonSearchBoxAndHint) {
  // A press that leaves the button and comes back still gifts; one released
  // outside does not.
  GUI_TransferButton gift(173, 507, 58, 20, 102);
  gift.SetHandler(&Record, 102);
  gift.OnMouseDown(180, 510);
  gift.OnMouseMove(400, 510);
  gift.OnMouseMove(200, 515);
  gift.OnMouseUp(200, 515);
  gift.OnMouseDown(180, 510);
  gift.OnMouseUp(400, 510);
  EXPECT_EQ(RunEvents(), (std::vector<Event>{{102, 1}}));
  // The picture moves one pixel while held inside.
  simulator.Host().Draws().clear();
  gift.Draw();
  gift.OnMouseDown(180, 510);
  gift.Draw();
  std::vector<std::vector<int32_t>> pictures;
  for (const sim::DrawCall& call : simulator.Host().Draws()) {
    if (call.name == "HostDrawSkin" && call.args[4] == 33 && call.args[5] == 274)
      pictures.push_back({call.args[1], call.args[2]});
  }
  EXPECT_EQ(pictures, (std::vector<std::vector<int32_t>>{{176, 510}, {177, 511}}));
  gift.OnMouseUp(400, 400);
  RunEvents();

  GUI_StoreSearchBox box(20, 455, 160, 20, 0);
  box.maxLength = 22;
  box.enterHandler = &Record;
  box.enterCode = 302;
  simulator.Host().Draws().clear();
  box.Draw();
  const auto hint = [&] {
    std::vector<sim::DrawCall> hints;
    for (const sim::DrawCall& call : Texts()) {
      if (call.text == "Type to search") hints.push_back(call);
    }
    return hints;
  };
  const std::vector<sim::DrawCall> hints = hint();
  ASSERT_EQ(hints.size(), 1u);
  EXPECT_EQ((std::vector<int32_t>{hints[0].args[1], hints[0].args[2], hints[0].args[4]}),
            (std::vector<int32_t>{25, 460, 120}));

  box.OnChar('a', 0);
  box.OnKeyDown(store::kKeyReturn, 0);
  EXPECT_EQ(box.text, "a");
  EXPECT_EQ(RunEvents(), (std::vector<Event>{{302, 0}}));
  simulator.Host().Draws().clear();
  box.Draw();
  EXPECT_TRUE(hint().empty());
}

// ---- the simulator's pictures of the store's sheet pieces -----------------------------------

std::vector<sim::Rgba> Piece(int srcX, int srcY, int w, int h) {
  return render_test::Pixels(sim::RenderFrame({render_test::Skin(0, 0, srcX, srcY, w, h)}, w, h),
                             {0, 0, w, h});
}

TEST(StoreSkinPieces, EachPieceHasAStandInOfItsOwn) {
  struct P {
    const char* what;
    int srcX, srcY, w, h;
  };
  const P pieces[] = {
      {"coin", store::kCoinIconSrcX, store::kCoinIconSrcY, 12, 12},
      {"sale", store::kBadgeSrcX, store::kSaleBadgeSrcY, store::kBadgeW, store::kBadgeH},
      {"new", store::kBadgeSrcX, store::kNewBadgeSrcY, store::kBadgeW, store::kBadgeH},
      {"marked", store::kBadgeSrcX, store::kMarkedBadgeSrcY, store::kBadgeW, store::kBadgeH},
      {"bar", GUI_StoreCategories::kBarSrcX, GUI_StoreCategories::kBarSrcY, 166, 22},
      {"selected bar", GUI_StoreCategories::kBarSrcX, GUI_StoreCategories::kSelectedBarSrcY, 166,
       22},
      {"transfer", store::kTransferSrcX, store::kTransferSrcY, 45, 14},
  };
  // A region of the sheet nothing stands for: the renderer's checker.
  for (const P& p : pieces) {
    EXPECT_NE(Piece(p.srcX, p.srcY, p.w, p.h), Piece(900, 900, p.w, p.h)) << p.what;
  }
  for (size_t i = 1; i < 4; ++i) {
    for (size_t j = i + 1; j < 4; ++j) {
      EXPECT_NE(Piece(pieces[i].srcX, pieces[i].srcY, 30, 12),
                Piece(pieces[j].srcX, pieces[j].srcY, 30, 12))
          << pieces[i].what << " / " << pieces[j].what;
    }
  }
  EXPECT_NE(Piece(pieces[4].srcX, pieces[4].srcY, 166, 22),
            Piece(pieces[5].srcX, pieces[5].srcY, 166, 22));
}

}  // namespace
