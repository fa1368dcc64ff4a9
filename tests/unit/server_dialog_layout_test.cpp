// The arithmetic of a server dialog: its size from what the server sent and
// the screen, how the height is shared when it runs short, and which
// identifiers name a button.
#include <gtest/gtest.h>

#include "features/server_dialogs/identifiers.h"
#include "features/server_dialogs/layout.h"

namespace server_dialogs {
namespace {

TEST(ServerDialogLayout, SizeFollowsTheTextButtonsAndChoicesAndStaysOnTheScreen) {
  struct Case {
    DialogContent content;  // widest line, lines, buttons, choices
    int32_t screenW, screenH;
    int32_t width, height, shownLines, shownChoices, buttonRows, buttonRowStep;
  };
  for (const Case& c : {
           // max(200, widest, 53 x buttons + 6) + 32; 94 + 14 x lines (+ 12 x choices + 6)
           Case{{0, 1, 0, 0}, 1920, 1080, 232, 108, 1, 0, 0, 30},
           Case{{600, 2, 2, 0}, 1920, 1080, 632, 122, 2, 0, 1, 30},
           Case{{300, 1, 10, 0}, 1920, 1080, 568, 108, 1, 0, 1, 30},
           Case{{250, 3, 2, 4}, 1920, 1080, 282, 190, 3, 4, 1, 30},
           // 255 buttons on 800 x 600: 14 a row in 19 rows, 26 pixels apart.
           Case{{63, 1, 255, 0}, 800, 600, 788, 576, 1, 0, 19, 26},
           // 30 buttons on 800 x 600: rows of 14, 14 and 2, 30 pixels apart.
           Case{{63, 1, 30, 0}, 800, 600, 788, 168, 1, 0, 3, 30},
           // Too many lines for 768 pixels: 47 shown, the rest scroll.
           Case{{600, 100, 1, 0}, 1024, 768, 632, 752, 47, 0, 1, 30},
           // Too many lines and choices: each gets about half.
           Case{{200, 60, 1, 60}, 1024, 768, 232, 758, 23, 28, 1, 30},
       }) {
    const DialogLayout layout = LayOut(c.content, c.screenW, c.screenH);
    SCOPED_TRACE(testing::Message() << c.content.widestLine << " " << c.content.lines << " "
                                    << c.content.buttons << " " << c.content.choices << " on "
                                    << c.screenW << "x" << c.screenH);
    EXPECT_EQ(layout.width, c.width);
    EXPECT_EQ(layout.height, c.height);
    EXPECT_LE(layout.height + 8, c.screenH);
    EXPECT_EQ(layout.shownLines, c.shownLines);
    EXPECT_EQ(layout.shownChoices, c.shownChoices);
    EXPECT_EQ(layout.buttonRows, c.buttonRows);
    EXPECT_EQ(layout.buttonRowStep, c.buttonRowStep);
    EXPECT_EQ(layout.choicesY, 34 + 14 * c.shownLines);
  }
}

TEST(ServerDialogLayout, ShortHeightGoesFirstToThePartThatNeedsLittle) {
  struct Case {
    int32_t lines, choices, room;
    int32_t shownLines, shownChoices;
  };
  for (const Case& c : {
           Case{2, 3, 1000, 2, 3},      // everything fits
           Case{100, 0, 600, 42, 0},    // lines only
           Case{0, 100, 600, 0, 50},    // choices only
           Case{5, 100, 600, 5, 44},    // the lines take little: whole
           Case{100, 5, 600, 38, 5},    // the choices take little: whole
           Case{100, 100, 600, 21, 25}, // both a lot: half each
           Case{10, 10, 20, 3, 3},      // no room: three rows each still
           Case{2, 10, 20, 2, 3},       // ... or all a part has
       }) {
    const ShownRows shown = ShareHeight(c.lines, c.choices, c.room);
    EXPECT_EQ(shown.lines, c.shownLines) << c.lines << " " << c.choices << " in " << c.room;
    EXPECT_EQ(shown.choices, c.shownChoices) << c.lines << " " << c.choices << " in " << c.room;
  }
}

TEST(ServerDialogIdentifiers, OnlyTheIdentifiersOfButtonIdsNameAButton) {
  struct Case {
    int32_t identifier;
    std::optional<uint8_t> buttonId;
  };
  for (const Case& c : {Case{49999, std::nullopt}, Case{50000, 0}, Case{50001, 1},
                        Case{50255, 255}, Case{50256, std::nullopt}, Case{50299, std::nullopt},
                        Case{50300, std::nullopt}, Case{-50000, std::nullopt}, Case{2001, std::nullopt}}) {
    EXPECT_EQ(ButtonIdOf(c.identifier), c.buttonId) << c.identifier;
  }
  for (int id = 0; id <= 255; ++id) {
    EXPECT_EQ(ButtonIdOf(IdentifierOf(static_cast<uint8_t>(id))), id);
  }
}

}  // namespace
}  // namespace server_dialogs
