// Where a server dialog's parts stand. The message is shown in lines of at
// most 600 pixels (font 1); the text column is as wide as the widest line,
// the button row and 200 pixels demand, with 16 pixels each side:
//
//   width  = max(200, widest line, 53 x buttons + 6) + 32
//   height = 94 + 14 x lines  (+ 12 x choices + 6 with choices)
//
// lines from (16, 34), 14 apart, the choice list right below them, and the
// 43 x 20 buttons in a row 30 pixels above the bottom, right-aligned.
//
// The dialog stays on the screen: a button row wider than the screen
// continues in rows above it (closer together, down to 2 pixels apart, when
// 30 pixels apart they would not leave the text its least room), and when
// the lines and the choices are more than the screen's height holds, as
// many as fit are shown and the rest scroll (a part that scrolls shows at
// least three rows).
#pragma once

#include <cstdint>

namespace server_dialogs {

inline constexpr int32_t kTextFont = 1;
inline constexpr int32_t kWrapWidth = 600;
inline constexpr int32_t kMinTextWidth = 200;
inline constexpr int32_t kSideMargin = 16;
inline constexpr int32_t kFirstLineY = 34;
inline constexpr int32_t kLineHeight = 14;
inline constexpr int32_t kChoiceRowHeight = 12;
inline constexpr int32_t kChoiceListPadding = 6;  // 3 above the rows, 3 below
inline constexpr int32_t kBaseHeight = 94;
inline constexpr int32_t kButtonW = 43;
inline constexpr int32_t kButtonH = 20;
inline constexpr int32_t kButtonStep = 53;       // 43 and a 10-pixel gap
inline constexpr int32_t kButtonRowExtra = 6;    // the row needs 53 x buttons + 6
inline constexpr int32_t kButtonRowBottom = 30;  // a row's top above the bottom
inline constexpr int32_t kButtonRowStep = 30;    // rows above it, when they wrap
inline constexpr int32_t kMinButtonRowStep = 22; // rows closer together, to stay on the screen
inline constexpr int32_t kMinScrollRows = 3;

// The widest text column a screen this wide shows: the window, its 4-pixel
// border and 4 pixels either side of it fit.
int32_t MaxTextWidth(int32_t screenW);

struct DialogContent {
  int32_t widestLine = 0;  // the message's width (MessageText::width)
  int32_t lines = 0;
  int32_t buttons = 0;
  int32_t choices = 0;
};

struct DialogLayout {
  int32_t textWidth = 0;  // the text column
  int32_t width = 0;      // the window's
  int32_t height = 0;
  int32_t shownLines = 0;    // fewer than all: the lines scroll
  int32_t shownChoices = 0;  // fewer than all: the list scrolls
  int32_t choicesY = 0;      // the list's top
  int32_t buttonsPerRow = 0;
  int32_t buttonRows = 0;
  int32_t buttonRowStep = kButtonRowStep;
};

DialogLayout LayOut(const DialogContent& content, int32_t screenW, int32_t screenH);

// The rows shown of `lines` message lines (14 pixels each) and `choices`
// choices (12 pixels each) in `room` pixels: everything when it fits;
// otherwise a part that takes at most half the room is shown whole and the
// other gets the rest, else each gets half. A part cut short shows at least
// three rows (or all it has).
struct ShownRows {
  int32_t lines = 0;
  int32_t choices = 0;
};
ShownRows ShareHeight(int32_t lines, int32_t choices, int32_t room);

// The top left of button `index` (message order) within the dialog.
struct Point {
  int32_t x = 0;
  int32_t y = 0;
};
Point ButtonPosition(const DialogLayout& layout, int32_t index, int32_t count);

}  // namespace server_dialogs
