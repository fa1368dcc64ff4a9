#include "features/hotkeys/presets.h"

#include "features/hotkeys/files.h"
#include "features/hotkeys/host_config_file.h"
#include "features/hotkeys/host_tables.h"
#include "features/hotkeys/presets_file.h"
#include "features/hotkeys/text_trim.h"
#include "features/hotkeys/window_state.h"
#include "host/host_functions.h"

namespace hotkeys {
namespace {

// A name the list can take: not empty, not the host's preset, not there yet.
bool FreeName(const Lines& lines, const std::string& name) {
  return !name.empty() && name != kDefaultPreset && FindSection(lines, name, NameMatch::Exact) < 0;
}

}  // namespace

std::vector<std::string> LoadPresetNames() {
  std::vector<std::string> names = {kDefaultPreset};
  Lines lines;
  if (!ReadPresetsFile(&lines)) return names;
  for (std::string& name : SectionNames(lines)) names.push_back(std::move(name));
  return names;
}

bool LoadAutoSwitchFlag() {
  Lines lines;
  return ReadPresetsFile(&lines) && AutoSwitchOn(lines);
}

HotkeySlots LoadPreset(int index, const std::string& name) {
  Lines lines;
  if (index == 0) return ReadHostConfig(&lines) ? ReadHostConfigSlots(lines) : HotkeySlots{};
  if (!ReadPresetsFile(&lines)) return {};
  return ReadSlots(SectionHotkeyLines(lines, name, NameMatch::Exact));
}

void ApplyPreset(int index, const std::string& name, const HotkeySlots& slots, bool autoSwitch) {
  Lines presets;
  const bool havePresets = ReadPresetsFile(&presets);
  if (index > 0 && havePresets) ReplaceSectionSlots(presets, name, slots);
  if (index == 0) {
    // A host file that cannot be read is not written either: its other
    // lines belong to the host and would be lost.
    Lines host;
    if (ReadHostConfig(&host)) WriteHostConfig(RewriteHostConfig(host, slots));
  }
  if (havePresets) {
    SetAutoSwitch(presets, autoSwitch);
    WritePresetsFile(presets);
  }
  HostSetConfigFile(ConfigFileName(HostConfigPath()).c_str());
  CopyToHostTables(slots);
}

bool AddPreset(const std::string& name, const std::string* source) {
  Lines lines;
  if (!ReadPresetsFile(&lines) || !FreeName(lines, name)) return false;
  const Lines copied = source != nullptr && *source != kDefaultPreset
                           ? SectionHotkeyLines(lines, *source, NameMatch::Exact)
                           : Lines{};
  AddSection(lines, name, copied);
  return WritePresetsFile(lines);
}

bool RenamePreset(const std::string& from, const std::string& to) {
  Lines lines;
  if (from == to || !ReadPresetsFile(&lines) || !FreeName(lines, to)) return false;
  return RenameSection(lines, from, to) && WritePresetsFile(lines);
}

bool RemovePreset(const std::string& name) {
  Lines lines;
  if (!ReadPresetsFile(&lines)) return false;
  return RemoveSection(lines, name) && WritePresetsFile(lines);
}

std::string PresetNameFromInput(const std::string& input) { return std::string(Trim(input)); }

}  // namespace hotkeys
