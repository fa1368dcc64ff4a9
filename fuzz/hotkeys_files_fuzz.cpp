// libFuzzer target: Hotkeys.cfg and the host's configuration file.
//
// The input is a file's content. It is read as both files; the rewrites
// the window makes must keep what they promise: every line that is not a
// hotkey line keeps its order, the auto-switch flag reads back as set, an
// added section is found by its name, and the host file holds exactly the
// slot lines after its rewrite.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "features/hotkeys/hotkey_line.h"
#include "features/hotkeys/host_config_file.h"
#include "features/hotkeys/presets_file.h"
#include "require.h"

namespace {

using hotkeys::Lines;

using fuzz::Require;

bool IsHostHotkeyLine(const std::string& line) {
  return line.starts_with("Hotkey = ") || line.starts_with("HotkeyUseOnSelf=") ||
         line.starts_with("HotkeyUseOnTarget=") || line.starts_with("HotkeyUseWithCrosshairs=");
}

Lines WithoutHostHotkeyLines(const Lines& lines) {
  Lines kept;
  for (const std::string& line : lines) {
    if (!IsHostHotkeyLine(line)) kept.push_back(line);
  }
  return kept;
}

void CheckHostFile(const Lines& lines) {
  const hotkeys::HotkeySlots slots = hotkeys::ReadHostConfigSlots(lines);
  const Lines rewritten = hotkeys::RewriteHostConfig(lines, slots);
  Require(WithoutHostHotkeyLines(rewritten) == WithoutHostHotkeyLines(lines),
          "the host's own lines changed");
  size_t hotkeyLines = 0;
  for (const std::string& line : rewritten) hotkeyLines += IsHostHotkeyLine(line) ? 1 : 0;
  Require(hotkeyLines == hotkeys::FormatSlotLines(slots).size(), "not exactly the slot lines");
  // What was written is read the same way again.
  Require(hotkeys::FormatSlotLines(hotkeys::ReadHostConfigSlots(rewritten)) ==
              hotkeys::FormatSlotLines(hotkeys::ReadHostConfigSlots(
                  hotkeys::RewriteHostConfig(rewritten, hotkeys::ReadHostConfigSlots(rewritten)))),
          "a rewrite of a rewrite differs");
}

void CheckPresetsFile(Lines lines) {
  for (const std::string& name : hotkeys::SectionNames(lines)) {
    hotkeys::ReadSlots(hotkeys::SectionHotkeyLines(lines, name, hotkeys::NameMatch::Loose));
  }
  for (const bool on : {true, false}) {
    Lines switched = lines;
    hotkeys::SetAutoSwitch(switched, on);
    Require(hotkeys::AutoSwitchOn(switched) == on, "the auto-switch flag did not read back");
  }
  const std::string name = "fuzzed preset";
  if (hotkeys::FindSection(lines, name, hotkeys::NameMatch::Exact) >= 0) return;
  hotkeys::HotkeySlots slots;
  slots[35].text = "a \"quoted\" text)";
  slots[35].sendAutomatically = true;
  hotkeys::AddSection(lines, name, {});
  hotkeys::ReplaceSectionSlots(lines, name, slots);
  Require(hotkeys::FindSection(lines, name, hotkeys::NameMatch::Exact) >= 0, "added but not found");
  Require(hotkeys::ReadSlots(hotkeys::SectionHotkeyLines(lines, name, hotkeys::NameMatch::Exact)) ==
              slots,
          "the section's slots did not read back");
  Require(hotkeys::RemoveSection(lines, name), "not removed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  const Lines lines = hotkeys::SplitLines(content);
  CheckHostFile(lines);
  CheckPresetsFile(lines);
  return 0;
}
