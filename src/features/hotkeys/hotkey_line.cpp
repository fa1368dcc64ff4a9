#include "features/hotkeys/hotkey_line.h"

#include <charconv>
#include <optional>

#include "features/hotkeys/text_trim.h"

namespace hotkeys {
namespace {

constexpr std::string_view kSendMark = "\\n";

std::optional<uint32_t> Number(std::string_view text) {
  text = Trim(text);
  uint32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

std::string Quoted(const HotkeySlot& slot) {
  std::string out = "\"";
  for (char c : slot.text) {
    if (c == '"') out += '\\';
    out += c;
  }
  if (slot.sendAutomatically && !slot.text.empty()) out += kSendMark;
  return out + "\"";
}

// Where the text that `rest` opens ends: at the first quote not preceded by
// a backslash. A text that itself ends in a backslash was written with its
// closing quote right after it; it has no such quote, and ends at the last
// quote instead, so the line is not lost. npos when there is no closing
// quote at all.
size_t ClosingQuote(std::string_view rest) {
  for (size_t i = 1; i < rest.size(); ++i) {
    if (rest[i] == '"' && rest[i - 1] != '\\') return i;
  }
  const size_t last = rest.rfind('"');
  return last > 0 ? last : std::string_view::npos;
}

// The text between the quotes that open `rest`; *after is what follows the
// closing quote. None when the text is never closed.
std::optional<std::string> Unquote(std::string_view rest, std::string_view* after) {
  if (const size_t i = ClosingQuote(rest); i != std::string_view::npos) {
    std::string text;
    const std::string_view raw = rest.substr(1, i - 1);
    for (size_t k = 0; k < raw.size(); ++k) {
      if (raw[k] == '\\' && k + 1 < raw.size() && raw[k + 1] == '"') continue;
      text += raw[k];
    }
    *after = rest.substr(i + 1);
    return text;
  }
  return std::nullopt;
}

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (size_t comma = text.find(','); comma != std::string_view::npos;
       comma = text.find(',', start)) {
    fields.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  fields.push_back(text.substr(start));
  return fields;
}

}  // namespace

bool IsHotkeyLine(std::string_view line) { return line.starts_with(kHotkeyLinePrefix); }

std::string FormatHotkeyLine(int index, const HotkeySlot& slot) {
  return std::string(kHotkeyLinePrefix) + "(" + std::to_string(index) + "," + Quoted(slot) + "," +
         std::to_string(slot.objectId) + "," + std::to_string(slot.objectData) + "," +
         std::to_string(static_cast<uint32_t>(slot.useMode)) + ")";
}

bool ReadHotkeyLine(std::string_view line, HotkeySlots& slots) {
  if (!IsHotkeyLine(line)) return false;
  const size_t open = line.find('('), close = line.rfind(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
    return false;
  }
  const std::string_view record = line.substr(open + 1, close - open - 1);
  const size_t comma = record.find(',');
  if (comma == std::string_view::npos) return false;
  const std::optional<uint32_t> index = Number(record.substr(0, comma));
  if (!index || *index >= static_cast<uint32_t>(kSlotCount)) return false;

  HotkeySlot slot;
  std::string_view rest = record.substr(comma + 1);
  if (rest.starts_with('"')) {
    std::optional<std::string> text = Unquote(rest, &rest);
    if (!text || !rest.starts_with(',')) return false;
    rest.remove_prefix(1);
    if (const size_t mark = text->find(kSendMark); mark != std::string::npos) {
      slot.sendAutomatically = true;
      text->resize(mark);
    }
    slot.text = std::move(*text);
  }
  const std::vector<std::string_view> fields = SplitAtCommas(rest);
  if (fields.size() != 3) return false;
  const std::optional<uint32_t> id = Number(fields[0]), data = Number(fields[1]),
                                mode = Number(fields[2]);
  if (!id || !data || !mode) return false;
  slot.objectId = *id;
  slot.objectData = *data;
  slot.useMode = UseModeFromNumber(*mode);
  slots[*index] = std::move(slot);
  return true;
}

std::vector<std::string> FormatSlotLines(const HotkeySlots& slots) {
  std::vector<std::string> lines;
  for (int i = 0; i < kSlotCount; ++i) {
    if (!slots[i].Empty()) lines.push_back(FormatHotkeyLine(i, slots[i]));
  }
  return lines;
}

}  // namespace hotkeys
