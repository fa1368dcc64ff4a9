#include "features/imbuements/details.h"

#include "features/imbuements/rules.h"
#include "features/imbuements/state.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "protocol/digit_grouping.h"
#include "protocol/shared_values.h"

namespace imbuements {

std::vector<std::string> WrapText(int32_t font, const std::string& text, int32_t room,
                                  size_t maxLines) {
  std::vector<std::string> lines;
  if (maxLines == 0) return lines;
  size_t start = text.find_first_not_of(' ');
  while (start != std::string::npos) {
    if (lines.size() + 1 == maxLines) {
      // The last line takes the whole rest, cut if it does not fit.
      lines.push_back(gui::FitText(font, text.substr(start), room));
      break;
    }
    // The longest run of whole words that fits; a single word that does not
    // fit is cut.
    size_t end = start;
    for (size_t blank = text.find(' ', start);; blank = text.find(' ', blank + 1)) {
      const size_t wordEnd = blank == std::string::npos ? text.size() : blank;
      if (gui::TextWidth(font, text.substr(start, wordEnd - start)) > room) break;
      end = wordEnd;
      if (blank == std::string::npos) break;
    }
    if (end == start) {
      const size_t wordEnd = std::min(text.find(' ', start), text.size());
      lines.push_back(gui::FitText(font, text.substr(start, wordEnd - start), room));
      end = wordEnd;
    } else {
      lines.push_back(text.substr(start, text.find_last_not_of(' ', end - 1) + 1 - start));
    }
    start = text.find_first_not_of(' ', end);
  }
  return lines;
}

}  // namespace imbuements

namespace {

constexpr int32_t kFont = GUI_ImbuementDetails::kFont;
constexpr int32_t kLeft = 10, kTextRoom = GUI_ImbuementDetails::kWidth - 2 * kLeft;
constexpr int32_t kFirstLineY = 8, kLineHeight = 14;
constexpr int32_t kPriceY = 56, kPriceValueX = 60;
constexpr int32_t kSuccessX = 200, kSuccessValueX = 262;
constexpr int32_t kClearValueX = 110;
constexpr int32_t kSecondRowY = 82;
constexpr gui::Color kCaption{180, 180, 180};
constexpr gui::Color kValue{230, 230, 230};
constexpr gui::Color kDescription{200, 200, 200};

std::string Money(uint64_t value) { return protocol::GroupDigits(value); }

}  // namespace

void GUI_ImbuementDetails::Draw() {
  if (imbuements::State().mode == imbuements::Mode::Clear) {
    DrawClear();
  } else {
    DrawImbue();
  }
}

void GUI_ImbuementDetails::DrawDescription(const std::string& description) {
  int32_t lineY = y + kFirstLineY;
  for (const std::string& line :
       imbuements::WrapText(kFont, description, kTextRoom, kDescriptionLines)) {
    gui::Text(x + kLeft, lineY, kFont, kDescription, line, 0);
    lineY += kLineHeight;
  }
}

void GUI_ImbuementDetails::DrawImbue() {
  const imbuements::ImbuementInfo* info = imbuements::State().Selected();
  if (info == nullptr) {
    gui::Text(x + w / 2, y + h / 2 - kLineHeight / 2, kFont, kCaption,
              "Select an imbuement to see details.", 1);
    return;
  }
  DrawDescription(info->description);
  gui::Text(x + kLeft, y + kPriceY, kFont, kCaption, "Cost:", 0);
  gui::Text(x + kPriceValueX, y + kPriceY, kFont, kValue, Money(info->cost), 0);
  gui::Text(x + kSuccessX, y + kPriceY, kFont, kCaption, "Success:", 0);
  gui::Text(x + kSuccessValueX, y + kPriceY, kFont, imbuements::SuccessColor(info->successRate),
            std::to_string(info->successRate) + "%", 0);
  // The price of the "100%" option stands right of its button.
  gui::Text(x + kProtectX + kProtectW + 8, y + kPriceY, kFont, kValue, Money(info->protectionCost),
            0);
  gui::Text(x + kLeft, y + kSecondRowY, kFont, kCaption,
            "Requires the following astral sources:", 0);
}

void GUI_ImbuementDetails::DrawClear() {
  const imbuements::ImbuementSlot* slot = imbuements::State().SelectedSlot();
  if (slot == nullptr || slot->empty) return;
  DrawDescription(slot->imbuement.description);
  gui::Text(x + kLeft, y + kPriceY, kFont, kCaption, "Clear Imbue.:", 0);
  gui::Text(x + kClearValueX, y + kPriceY, kFont, kValue, Money(slot->clearCost), 0);
  // The time bar stands right of this caption; neither shows without a
  // duration.
  if (slot->imbuement.duration == 0) return;
  gui::Text(x + kLeft, y + kSecondRowY, kFont, kCaption, "Time remaining:", 0);
}
