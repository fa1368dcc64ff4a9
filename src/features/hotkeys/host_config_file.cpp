#include "features/hotkeys/host_config_file.h"

#include "features/hotkeys/hotkey_line.h"

namespace hotkeys {
namespace {

bool IsHostHotkeyLine(const std::string& line) {
  for (const char* prefix :
       {"Hotkey = ", "HotkeyUseOnSelf=", "HotkeyUseOnTarget=", "HotkeyUseWithCrosshairs="}) {
    if (line.starts_with(prefix)) return true;
  }
  return false;
}

}  // namespace

HotkeySlots ReadHostConfigSlots(const Lines& lines) {
  HotkeySlots slots;
  for (const std::string& line : lines) ReadHotkeyLine(line, slots);
  return slots;
}

Lines RewriteHostConfig(const Lines& lines, const HotkeySlots& slots) {
  Lines out;
  bool placed = false;
  const Lines slotLines = FormatSlotLines(slots);
  for (const std::string& line : lines) {
    if (IsHostHotkeyLine(line)) continue;
    out.push_back(line);
    if (!placed && line.starts_with("ConfineFramerate")) {
      out.insert(out.end(), slotLines.begin(), slotLines.end());
      placed = true;
    }
  }
  if (!placed) out.insert(out.begin(), slotLines.begin(), slotLines.end());
  return out;
}

std::string ConfigFileName(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  return name.empty() ? "Ardun.cfg" : name;
}

}  // namespace hotkeys
