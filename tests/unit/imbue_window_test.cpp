// The imbue window as drawn: the chance of success in its band's colour and
// the action button's look, which scenarios (texts only) cannot see; and
// the wrapping of the details' description.
#include <optional>
#include <utility>

#include "features/imbuements/details.h"
#include "features/imbuements/materials_list.h"
#include "features/imbuements/state.h"
#include "features/imbuements/window.h"
#include "gui/window_sets.h"
#include "gui_widgets_fixture.h"
#include "protocol/shared_values.h"

namespace {

using namespace widget_test;
using imbuements::WrapText;

class ImbueWindowTest : public WidgetTest {
 protected:
  void TearDown() override {
    imbuements::DestroyEverywhere();
    imbuements::State() = imbuements::WindowState{};
    protocol::ResetSharedValuesForTests();
    WidgetTest::TearDown();
  }

  // One empty slot and one imbuement costing 1,000 with that chance.
  static void Offer(uint8_t successRate) {
    imbuements::WindowState state;
    state.itemId = 3264;
    state.slotCount = 1;
    state.slots.resize(1);
    imbuements::ImbuementInfo info;
    info.id = 5;
    info.name = "Basic Strike";
    info.group = "Critical Hit";
    info.cost = 1000;
    info.successRate = successRate;
    state.applicable.push_back(info);
    state.Derive();
    imbuements::State() = std::move(state);
    imbuements::OpenOrUpdate();
  }

  std::vector<sim::DrawCall> DrawWindow() {
    simulator.Host().Draws().clear();
    gui::DrawModalDialog();
    return std::exchange(simulator.Host().Draws(), {});
  }

  static std::optional<std::vector<int32_t>> TextColour(const std::vector<sim::DrawCall>& draws,
                                                        const std::string& text) {
    for (const sim::DrawCall& call : draws) {
      // HostDrawText(surface, x, y, font, r, g, b, align)
      if (call.name == "HostDrawText" && call.text == text) {
        return std::vector<int32_t>{call.args[4], call.args[5], call.args[6]};
      }
    }
    return std::nullopt;
  }
};

TEST_F(ImbueWindowTest, SuccessChanceIsDrawnInTheColourOfItsBand) {
  const std::pair<uint8_t, std::vector<int32_t>> rows[] = {
      {0, {180, 60, 60}},   {69, {180, 60, 60}}, {70, {180, 180, 60}},
      {89, {180, 180, 60}}, {90, {85, 180, 60}}, {100, {85, 180, 60}},
  };
  for (const auto& [rate, colour] : rows) {
    Offer(rate);
    const auto drawn = TextColour(DrawWindow(), std::to_string(rate) + "%");
    ASSERT_TRUE(drawn.has_value()) << int{rate};
    EXPECT_EQ(*drawn, colour) << int{rate};
  }
}

TEST_F(ImbueWindowTest, ActionButtonLooksEnabledOnlyWhileTheImbuementIsAffordable) {
  Offer(80);
  BalanceU64() = 999;
  EXPECT_EQ(TextColour(DrawWindow(), "Imbue Empty Slot"), (std::vector<int32_t>{112, 112, 112}));
  BalanceU64() = 1000;
  EXPECT_EQ(TextColour(DrawWindow(), "Imbue Empty Slot"), (std::vector<int32_t>{174, 174, 174}));
  // A new message keeps the look in step with the state without a rebuild.
  imbuements::State().applicable[0].cost = 1001;
  EXPECT_EQ(TextColour(DrawWindow(), "Imbue Empty Slot"), (std::vector<int32_t>{112, 112, 112}));
}

// Font 1 is 6 pixels a character in the simulated host: a room of 60
// pixels holds 10 characters.
TEST_F(ImbueWindowTest, DescriptionBreaksAtBlanksAndIsCutWhereItDoesNotFit) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(WrapText(1, "", 60, 3), Lines{});
  EXPECT_EQ(WrapText(1, "   ", 60, 3), Lines{});
  EXPECT_EQ(WrapText(1, "short", 60, 3), Lines{"short"});
  EXPECT_EQ(WrapText(1, "0123456789", 60, 3), Lines{"0123456789"});
  EXPECT_EQ(WrapText(1, "aaaa bbbb cccc dd", 60, 3), (Lines{"aaaa bbbb", "cccc dd"}));
  EXPECT_EQ(WrapText(1, "aaaa  bbbb   cccc", 60, 3), (Lines{"aaaa  bbbb", "cccc"}));
  EXPECT_EQ(WrapText(1, "aaaa     bbbbbbbb", 60, 3), (Lines{"aaaa", "bbbbbbbb"}));
  // The last line takes the rest, cut with "...".
  EXPECT_EQ(WrapText(1, "aaaa bbbb cccc dddd eeee ffff", 60, 2),
            (Lines{"aaaa bbbb", "cccc dd..."}));
  // A word wider than a line is cut on its own line; the text goes on.
  EXPECT_EQ(WrapText(1, "abcdefghijklmn op", 60, 3), (Lines{"abcdefg...", "op"}));
  EXPECT_EQ(WrapText(1, "anything", 60, 0), Lines{});
}

}  // namespace

namespace {

// Where the astral sources go: two columns of three up to six, then three
// columns, each as long as it must be (three rows shown, the rest scrolls).
TEST(ImbueMaterialsLayout, TwoColumnsUpToSixThenThreeAndLongerColumns) {
  struct Case {
    size_t count;
    int32_t columns, rows;
  };
  for (const Case c : {Case{0, 2, 3}, Case{6, 2, 3}, Case{7, 3, 3}, Case{8, 3, 3},
                       Case{9, 3, 3}, Case{10, 3, 4}, Case{255, 3, 85}}) {
    const GUI_MaterialsList::Layout layout = GUI_MaterialsList::LayoutFor(c.count);
    EXPECT_EQ(layout.columns, c.columns) << c.count;
    EXPECT_EQ(layout.rows, c.rows) << c.count;
  }
}

}  // namespace
