#include "features/server_dialogs/layout.h"

#include <algorithm>

namespace server_dialogs {
namespace {

constexpr int32_t kScreenMargin = 4 + 4 + 4;  // the right border and a gap either side

}  // namespace

int32_t MaxTextWidth(int32_t screenW) {
  return std::max(kMinTextWidth, screenW - 2 * kSideMargin - kScreenMargin);
}

ShownRows ShareHeight(int32_t lines, int32_t choices, int32_t room) {
  if (lines * kLineHeight + choices * kChoiceRowHeight <= room) return {lines, choices};
  const int32_t half = room / 2;
  ShownRows shown;
  if (choices == 0) {
    shown = {room / kLineHeight, 0};
  } else if (lines * kLineHeight <= half) {
    shown = {lines, (room - lines * kLineHeight) / kChoiceRowHeight};
  } else if (choices * kChoiceRowHeight <= half) {
    shown = {(room - choices * kChoiceRowHeight) / kLineHeight, choices};
  } else {
    shown.lines = half / kLineHeight;
    shown.choices = (room - shown.lines * kLineHeight) / kChoiceRowHeight;
  }
  // A part cut short scrolls; its bar needs room for two arrows and a thumb.
  shown.lines = std::clamp(shown.lines, std::min(kMinScrollRows, lines), lines);
  shown.choices = std::clamp(shown.choices, std::min(kMinScrollRows, choices), choices);
  return shown;
}

DialogLayout LayOut(const DialogContent& content, int32_t screenW, int32_t screenH) {
  DialogLayout layout;
  const int32_t buttonRow = kButtonStep * content.buttons + kButtonRowExtra;
  const int32_t wanted = std::max({kMinTextWidth, content.widestLine, buttonRow});
  layout.textWidth = std::min(wanted, std::max(MaxTextWidth(screenW), content.widestLine));
  layout.width = layout.textWidth + 2 * kSideMargin;

  if (content.buttons > 0) {
    layout.buttonsPerRow =
        std::clamp((layout.textWidth - kButtonRowExtra) / kButtonStep, 1, content.buttons);
    layout.buttonRows = (content.buttons + layout.buttonsPerRow - 1) / layout.buttonsPerRow;
  }
  const int32_t listPadding = content.choices > 0 ? kChoiceListPadding : 0;
  // The window and its 4-pixel bottom border, with 4 pixels to spare.
  const int32_t maxHeight = screenH - 8;
  const int32_t extraRows = std::max(layout.buttonRows - 1, 0);
  if (extraRows > 0) {
    const int32_t leastText = kLineHeight * std::min(kMinScrollRows, content.lines) +
                              kChoiceRowHeight * std::min(kMinScrollRows, content.choices);
    const int32_t spare = maxHeight - kBaseHeight - listPadding - leastText;
    layout.buttonRowStep = std::clamp(spare / extraRows, kMinButtonRowStep, kButtonRowStep);
  }
  const int32_t fixed = kBaseHeight + layout.buttonRowStep * extraRows + listPadding;
  const int32_t room = maxHeight - fixed;
  const ShownRows shown = ShareHeight(content.lines, content.choices, room);
  layout.shownLines = shown.lines;
  layout.shownChoices = shown.choices;
  layout.height = fixed + kLineHeight * shown.lines + kChoiceRowHeight * shown.choices;
  layout.choicesY = kFirstLineY + kLineHeight * shown.lines;
  return layout;
}

Point ButtonPosition(const DialogLayout& layout, int32_t index, int32_t count) {
  const int32_t perRow = std::max(layout.buttonsPerRow, 1);
  const int32_t row = index / perRow;
  const int32_t rows = std::max(layout.buttonRows, 1);
  const int32_t inRow = row < rows - 1 ? perRow : count - perRow * (rows - 1);
  const int32_t fromRight = inRow - 1 - index % perRow;
  return {layout.width - kSideMargin - kButtonW - kButtonStep * fromRight,
          layout.height - kButtonRowBottom - layout.buttonRowStep * (rows - 1 - row)};
}

}  // namespace server_dialogs
