// One hotkey line, as both Hotkeys.cfg and the host's configuration file
// hold them:
//   Hotkey = (SLOT,"TEXT",OBJECT_ID,OBJECT_DATA,USE_MODE)
// The text is quoted with every double quote written as backslash + quote;
// a slot that sends automatically has backslash + n after a non-empty text,
// inside the quotes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "features/hotkeys/slots.h"

namespace hotkeys {

inline constexpr std::string_view kHotkeyLinePrefix = "Hotkey = ";

bool IsHotkeyLine(std::string_view line);

// The line for `slot` at position `index`.
std::string FormatHotkeyLine(int index, const HotkeySlot& slot);

// Reads a hotkey line into its slot of `slots`. False, and `slots`
// untouched, for a line that is not a hotkey line, whose record is
// malformed, whose numbers do not parse or whose slot lies outside 0-35.
bool ReadHotkeyLine(std::string_view line, HotkeySlots& slots);

// The lines of every slot that holds a text or an object, in slot order.
std::vector<std::string> FormatSlotLines(const HotkeySlots& slots);

}  // namespace hotkeys
