#include "features/imbuements/slot_button.h"

#include <string>

#include "features/imbuements/state.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"

namespace {

constexpr int32_t kFont = 1;
constexpr int32_t kStateFont = 2;  // narrower, so more of a name shows
constexpr int32_t kPadding = 4;
constexpr int32_t kCaptionY = 8, kStateY = 26;
constexpr gui::Color kFace{60, 60, 60};
constexpr gui::Color kLitFace{88, 80, 56};
constexpr gui::Color kLitBorder{212, 176, 84};
constexpr gui::Color kCaption{220, 220, 220};
constexpr gui::Color kEmptyText{130, 130, 130};
constexpr gui::Color kNameText{174, 174, 174};

const imbuements::ImbuementSlot* Record(uint8_t slot) {
  const auto& slots = imbuements::State().slots;
  return slot < slots.size() ? &slots[slot] : nullptr;
}

}  // namespace

GUI_ImbuementSlot::GUI_ImbuementSlot(int32_t x, int32_t y, uint8_t slot, int32_t id)
    : GUI_ButtonColor(x, y, kWidth, kHeight, "Slot " + std::to_string(slot + 1), id), slot(slot) {
  font = kFont;
  interactive = 1;
}

std::string GUI_ImbuementSlot::StateText() const {
  const imbuements::ImbuementSlot* record = Record(slot);
  if (record == nullptr) return "";
  if (record->empty) return "Empty";
  return gui::FitText(kStateFont, record->imbuement.name, w - 2 * kPadding);
}

void GUI_ImbuementSlot::Draw() {
  const bool lit = imbuements::State().selectedSlot == slot;
  const bool pressed = HeldInside();
  const gui::Color face =
      pressed ? gui::Scaled(lit ? kLitFace : kFace, 0.9) : (lit ? kLitFace : kFace);
  HostFillRectRGB(x, y, w, h, face.r, face.g, face.b);
  if (lit) {
    gui::Bevel(x, y, w, h, kLitBorder, kLitBorder);
  } else {
    const gui::Color light = gui::Grey(111), dark = gui::Grey(49);
    gui::Bevel(x, y, w, h, pressed ? dark : light, pressed ? light : dark);
  }
  const int32_t p = pressed ? 1 : 0;
  gui::Text(x + w / 2 + p, y + kCaptionY + p, kFont, kCaption, caption, 1);
  const imbuements::ImbuementSlot* record = Record(slot);
  if (record == nullptr) return;
  gui::Text(x + w / 2 + p, y + kStateY + p, kStateFont, record->empty ? kEmptyText : kNameText,
            StateText(), 1);
}
