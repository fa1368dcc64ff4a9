// The hotkey line and the two files' rules: quoting, the send mark, the
// skipped lines, the sections and the host file's rewrite.
#include <gtest/gtest.h>

#include "features/hotkeys/hotkey_line.h"
#include "features/hotkeys/host_config_file.h"
#include "features/hotkeys/pick_cursor.h"
#include "features/hotkeys/presets_file.h"

namespace {

using hotkeys::HotkeySlot;
using hotkeys::HotkeySlots;
using hotkeys::Lines;
using hotkeys::UseMode;

TEST(HotkeyKeyNames, ThreeRowsOfTwelve) {
  EXPECT_EQ(hotkeys::KeyName(0), "F1");
  EXPECT_EQ(hotkeys::KeyName(11), "F12");
  EXPECT_EQ(hotkeys::KeyName(12), "Shift+F1");
  EXPECT_EQ(hotkeys::KeyName(35), "Ctrl+F12");
  EXPECT_EQ(hotkeys::KeyName(36), "");
  EXPECT_EQ(hotkeys::SlotOfKeyName("Ctrl+F3"), 26);
  EXPECT_EQ(hotkeys::SlotOfKeyName("F13"), -1);
}

struct RoundTrip {
  const char* name;
  HotkeySlot slot;
  std::string line;
  HotkeySlot readBack;
};

TEST(HotkeyLine, WritesAndReadsBack) {
  const RoundTrip cases[] = {
      {"plain text", {"heal", false, 0, 0, UseMode::WithCrosshairs},
       "Hotkey = (3,\"heal\",0,0,0)", {"heal", false, 0, 0, UseMode::WithCrosshairs}},
      {"sent at once", {"hi", true, 0, 0, UseMode::WithCrosshairs},
       "Hotkey = (3,\"hi\\n\",0,0,0)", {"hi", true, 0, 0, UseMode::WithCrosshairs}},
      {"double quotes", {"say \"x\"", false, 0, 0, UseMode::WithCrosshairs},
       "Hotkey = (3,\"say \\\"x\\\"\",0,0,0)", {"say \"x\"", false, 0, 0, UseMode::WithCrosshairs}},
      {"a closing parenthesis", {"a) b)", true, 0, 0, UseMode::WithCrosshairs},
       "Hotkey = (3,\"a) b)\\n\",0,0,0)", {"a) b)", true, 0, 0, UseMode::WithCrosshairs}},
      {"a final backslash", {"C:\\", false, 0, 0, UseMode::WithCrosshairs},
       "Hotkey = (3,\"C:\\\",0,0,0)", {"C:\\", false, 0, 0, UseMode::WithCrosshairs}},
      {"send flag without text", {"", true, 3160, 0, UseMode::OnYourself},
       "Hotkey = (3,\"\",3160,0,2)", {"", false, 3160, 0, UseMode::OnYourself}},
      {"object on target", {"", false, 4294967295u, 7, UseMode::OnTarget},
       "Hotkey = (3,\"\",4294967295,7,1)", {"", false, 4294967295u, 7, UseMode::OnTarget}},
  };
  for (const RoundTrip& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(hotkeys::FormatHotkeyLine(3, c.slot), c.line);
    HotkeySlots slots;
    ASSERT_TRUE(hotkeys::ReadHotkeyLine(c.line, slots));
    EXPECT_EQ(slots[3], c.readBack);
  }
}

TEST(HotkeyLine, SkipsMalformedLines) {
  const char* lines[] = {
      "Hotkey = (36,\"x\",0,0,0)",     "Hotkey = (-1,\"x\",0,0,0)", "Hotkey = (a,\"x\",0,0,0)",
      "Hotkey = (1,\"x\",y,0,0)",      "Hotkey = (1,\"x\",0,0)",    "Hotkey = (1,\"open,0,0,0)",
      "Hotkey = 1,\"x\",0,0,0",        "Hotkey = (1)",              "Hotkey=(1,\"x\",0,0,0)",
      "Hotkey = (1,\"x\",0,0,0,0)",    "Hotkey = (1,\"x\",99999999999,0,0)", "",
  };
  for (const char* line : lines) {
    SCOPED_TRACE(line);
    HotkeySlots slots;
    slots[1].text = "kept";
    EXPECT_FALSE(hotkeys::ReadHotkeyLine(line, slots));
    EXPECT_EQ(slots[1].text, "kept");
  }
}

TEST(HotkeyLine, ModesOtherThanOneAndTwoAreCrosshairsAndBlanksAreTrimmed) {
  HotkeySlots slots;
  ASSERT_TRUE(hotkeys::ReadHotkeyLine("Hotkey = (0,\"\",100,0,9 \r)", slots));
  EXPECT_EQ(slots[0].useMode, UseMode::WithCrosshairs);
  ASSERT_TRUE(hotkeys::ReadHotkeyLine("Hotkey = ( 1 ,\"\", 100 ,0,\t2)", slots));
  EXPECT_EQ(slots[1].useMode, UseMode::OnYourself);
}

TEST(HotkeyPresetsFile, SplitsLinesDroppingCarriageReturns) {
  EXPECT_EQ(hotkeys::SplitLines("a\r\nb\n\nc"), (Lines{"a", "b", "", "c"}));
  EXPECT_EQ(hotkeys::SplitLines("a\n"), (Lines{"a"}));
  EXPECT_EQ(hotkeys::SplitLines(""), Lines{});
  EXPECT_EQ(hotkeys::JoinLines({"a", ""}), "a\n\n");
}

TEST(HotkeyPresetsFile, AutoSwitchValues) {
  const std::pair<Lines, bool> cases[] = {
      {{"AutoSwitch = true"}, true},   {{"AutoSwitch = 1"}, true},
      {{"AutoSwitch =  true \t"}, true}, {{"AutoSwitch = false"}, false},
      {{"AutoSwitch = yes"}, false},   {{"AutoSwitch=true"}, false},
      {{}, false},
  };
  for (const auto& [lines, on] : cases) EXPECT_EQ(hotkeys::AutoSwitchOn(lines), on);
}

TEST(HotkeyPresetsFile, AutoSwitchLineIsRewrittenOrInsertedBeforeTheFirstEntry) {
  Lines lines = {"# c", "", "[A]", "AutoSwitch = 1"};
  hotkeys::SetAutoSwitch(lines, false);
  EXPECT_EQ(lines, (Lines{"# c", "", "[A]", "AutoSwitch = false"}));
  Lines none = {"# c", "", "[A]"};
  hotkeys::SetAutoSwitch(none, true);
  EXPECT_EQ(none, (Lines{"# c", "", "AutoSwitch = true", "", "[A]"}));
}

TEST(HotkeyPresetsFile, SectionsMatchExactlyOrLoosely) {
  const Lines lines = {"[]", "[x", "[Knight]", "Hotkey = (0,\"k\",0,0,0)", "[ Druid ]"};
  EXPECT_EQ(hotkeys::SectionNames(lines), (std::vector<std::string>{"Knight", " Druid "}));
  EXPECT_EQ(hotkeys::FindSection(lines, "knight ", hotkeys::NameMatch::Loose), 0);
  EXPECT_EQ(hotkeys::FindSection(lines, "knight", hotkeys::NameMatch::Exact), -1);
  EXPECT_EQ(hotkeys::FindSection(lines, "DRUID", hotkeys::NameMatch::Loose), 1);
}

TEST(HotkeyPresetsFile, AddSectionPutsOneEmptyLineBeforeTheHeader) {
  Lines lines = {"[A]", "x"};
  hotkeys::AddSection(lines, "B", {"Hotkey = (0,\"b\",0,0,0)"});
  EXPECT_EQ(lines, (Lines{"[A]", "x", "", "[B]", "Hotkey = (0,\"b\",0,0,0)", ""}));
  hotkeys::AddSection(lines, "C", {});
  EXPECT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[6], "[C]");
}

TEST(HotkeyPresetsFile, ReplacesOnlyTheSectionsHotkeyLines) {
  Lines lines = {"[A]", "Hotkey = (0,\"a\",0,0,0)", "# note", "[B]", "Hotkey = (0,\"b\",0,0,0)"};
  HotkeySlots slots;
  slots[4].text = "new";
  hotkeys::ReplaceSectionSlots(lines, "A", slots);
  EXPECT_EQ(lines, (Lines{"[A]", "Hotkey = (4,\"new\",0,0,0)", "# note", "[B]",
                          "Hotkey = (0,\"b\",0,0,0)"}));
  EXPECT_TRUE(hotkeys::RemoveSection(lines, "A"));
  EXPECT_EQ(lines, (Lines{"[B]", "Hotkey = (0,\"b\",0,0,0)"}));
  EXPECT_FALSE(hotkeys::RenameSection(lines, "A", "C"));
}

TEST(HotkeyHostConfigFile, HotkeyLinesGoAfterConfineFramerateOrOnTop) {
  HotkeySlots slots;
  slots[0].text = "x";
  const Lines with = {"A = 1", "Hotkey = (5,\"old\",0,0,0)", "ConfineFramerate = 1",
                      "ConfineFramerate = 2", "HotkeyUseOnSelf=3", "B = 2"};
  EXPECT_EQ(hotkeys::RewriteHostConfig(with, slots),
            (Lines{"A = 1", "ConfineFramerate = 1", "Hotkey = (0,\"x\",0,0,0)",
                   "ConfineFramerate = 2", "B = 2"}));
  const Lines without = {"A = 1", "HotkeyUseWithCrosshairs=1", "HotkeyUseOnTarget=2"};
  EXPECT_EQ(hotkeys::RewriteHostConfig(without, slots), (Lines{"Hotkey = (0,\"x\",0,0,0)", "A = 1"}));
  EXPECT_EQ(hotkeys::ConfigFileName("C:\\Users\\a\\Quorlan\\Ardun.cfg"), "Ardun.cfg");
  EXPECT_EQ(hotkeys::ConfigFileName("x/"), "Ardun.cfg");
}

// The picture: hot spot clear, four triangles (white inside, black edge)
// and everything far from the hot spot clear.
TEST(HotkeyPickCursor, FourInwardTrianglesAroundTheHotSpot) {
  const auto& andPlane = hotkeys::PickCursorAndPlane();
  const auto& xorPlane = hotkeys::PickCursorXorPlane();
  const auto pixel = [&](int x, int y) {
    const size_t byte = static_cast<size_t>(y * 4 + x / 8);
    const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
    if (andPlane[byte] & bit) return 'c';
    return (xorPlane[byte] & bit) ? 'w' : 'b';
  };
  EXPECT_EQ(pixel(15, 15), 'c');
  for (const auto& [x, y] : {std::pair{15, 8}, {15, 22}, {8, 15}, {22, 15}}) {
    EXPECT_EQ(pixel(x, y), 'w') << x << "," << y;
  }
  for (const auto& [x, y] : {std::pair{15, 2}, {15, 28}, {2, 15}, {28, 15}}) {
    EXPECT_EQ(pixel(x, y), 'b') << x << "," << y;
  }
  for (const auto& [x, y] : {std::pair{0, 0}, {31, 31}, {3, 28}, {28, 3}}) {
    EXPECT_EQ(pixel(x, y), 'c') << x << "," << y;
  }
}

}  // namespace
