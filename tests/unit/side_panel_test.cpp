// The host buttons the library builds and the five it captures, as the
// simulated host constructed them.
#include <gtest/gtest.h>

#include "enhancements/captured_buttons.h"
#include "host/host_texts.h"
#include "sim/simulator.h"

namespace {

struct Built {
  int32_t x, y, image, pressedImage, command;
  std::string tooltip;
  bool operator==(const Built&) const = default;
};

std::vector<Built> PanelButtons(sim::Simulator& s) {
  std::vector<Built> out;
  for (uint32_t child : s.Interface().PanelChildren()) {
    if (const sim::HostButton* b = s.Interface().Button(child)) {
      out.push_back({b->x, b->y, b->image, b->pressedImage, b->command, b->tooltip});
    }
  }
  return out;
}

TEST(SidePanel, CapturedButtonsAreBuiltTheLibrarysWayAndTheirCommandsKept) {
  sim::Simulator s;
  s.Start();
  std::vector<Built> buttons = PanelButtons(s);
  ASSERT_EQ(buttons.size(), 5u + 18u + 1u);
  // The host's own five (see the simulated host's capture sites): tooltips
  // dropped; B with the logout pictures; C and D moved to x 23; E opening the
  // hotkeys window (and carrying D's command last).
  const std::vector<Built> captured = {{0, 146, 311, 312, 7, ""},  {139, 146, 301, 302, 2, ""},
                                       {23, 124, 315, 316, 9, ""}, {23, 146, 320, 321, 12, ""},
                                       {88, 146, 322, 323, 1014, ""}};
  EXPECT_EQ(std::vector<Built>(buttons.begin(), buttons.begin() + 5), captured);
  EXPECT_EQ(enhancements::CapturedButtonState(enhancements::CapturedButton::E).command, 18);
  // The library's buttons follow in table order, "Leave the game" with the
  // captured logout command, the blessings indicator last.
  EXPECT_EQ(buttons[5].command, 1003);
  EXPECT_EQ(buttons[8].tooltip, "");  // the picture without a tooltip
  EXPECT_EQ(buttons[22], (Built{139, 193, 334, 335, 2, "Leave the game (Ctrl+Q or Ctrl+L)"}));
  EXPECT_EQ(buttons[23].image, 317);
}

TEST(SidePanel, ButtonsTheHostCannotAllocateAreNotAdded) {
  sim::Simulator s;
  s.Host().failAllocations = true;
  s.Start();
  // Only the host's own five, which the host allocated itself.
  EXPECT_EQ(PanelButtons(s).size(), 5u);
  // A blessings update then builds nothing either.
  s.SetGameState(8);
  s.ServerMessage({156, 0x7F, 0x00, 0});
  EXPECT_EQ(PanelButtons(s).size(), 5u);
}

}  // namespace

namespace {

// Texts handed to host buttons stay where they are, are stored once, and a
// full store answers the empty text instead of writing past its end.
TEST(HostTexts, StableSharedAndBounded) {
  sim::Simulator s;
  host::ClearHostTextsForTests();
  const char* first = host::HostText("Open the Store");
  EXPECT_EQ(host::HostText("Open the Store"), first);
  EXPECT_STREQ(first, "Open the Store");
  const std::string big(1000, 'x');
  const char* last = first;
  for (int i = 0; i < 20; ++i) last = host::HostText(big + std::to_string(i));
  EXPECT_STREQ(last, "");
  EXPECT_STREQ(first, "Open the Store");
  EXPECT_STREQ(host::HostText(std::string("a\0b", 3)), "");
  host::ClearHostTextsForTests();
}

}  // namespace
