// Hotkeys.cfg as lines: the auto-switch line, the sections ("[NAME]") with
// their hotkey lines, and every other line (comments, empty lines, lines of
// unknown form), which is kept as it is whenever the file is rewritten.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "features/hotkeys/slots.h"

namespace hotkeys {

using Lines = std::vector<std::string>;

// Splits a file into lines at "\n", dropping a "\r" at each line's end; a
// final "\n" ends the last line instead of starting an empty one.
Lines SplitLines(std::string_view content);
// Every line followed by "\n".
std::string JoinLines(const Lines& lines);

// The content written when the file does not exist.
Lines DefaultPresetsFile();

// The name of a section header ("[" name "]", longer than 2), or none.
std::optional<std::string> SectionName(std::string_view line);
// The section names in file order.
std::vector<std::string> SectionNames(const Lines& lines);

// The value of the first auto-switch line: on for "true" or "1" (trimmed).
bool AutoSwitchOn(const Lines& lines);
// Every auto-switch line says `on`; without one, the line and an empty
// line go before the first non-empty line that is not a comment.
void SetAutoSwitch(Lines& lines, bool on);

// Whether a section name matches: exactly, or (for the character's name at
// login) trimmed and without regard to case.
enum class NameMatch { Exact, Loose };
bool SectionMatches(const std::string& section, const std::string& name, NameMatch match);

// The index of the first section that matches, in SectionNames order, or -1.
int FindSection(const Lines& lines, const std::string& name, NameMatch match);
// The hotkey lines of the first section that matches.
Lines SectionHotkeyLines(const Lines& lines, const std::string& name, NameMatch match);
// The slots those lines describe (malformed lines skipped).
HotkeySlots ReadSlots(const Lines& hotkeyLines);

// The hotkey lines of the section `name` become the slot lines (right
// below its header); a section that is missing is added at the end.
void ReplaceSectionSlots(Lines& lines, const std::string& name, const HotkeySlots& slots);
// A new section at the end: an empty line first unless the last line is
// empty, the header, `hotkeyLines`, then an empty line.
void AddSection(Lines& lines, const std::string& name, const Lines& hotkeyLines);
// The header of the section `from` names `to`; false when there is none.
bool RenameSection(Lines& lines, const std::string& from, const std::string& to);
// Removes the section `name`: its header and every line up to the next
// header. False when there is none.
bool RemoveSection(Lines& lines, const std::string& name);

}  // namespace hotkeys
