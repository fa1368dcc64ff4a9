#include "features/hotkeys/auto_switch.h"

#include "features/hotkeys/files.h"
#include "features/hotkeys/host_tables.h"
#include "features/hotkeys/text_trim.h"

namespace hotkeys {
namespace {

int activated = -1;
std::string characterName;

}  // namespace

void OnCharacterName(const std::string& name) {
  const std::string trimmed(Trim(name));
  if (trimmed.empty()) return;
  characterName = trimmed;
  Lines lines;
  const int section = ReadPresetsFile(&lines) ? FindSection(lines, trimmed, NameMatch::Loose) : -1;
  if (section < 0 || !AutoSwitchOn(lines)) {
    activated = -1;
    return;
  }
  // The host's configuration file stays as it is: only the tables change.
  CopyToHostTables(ReadSlots(SectionHotkeyLines(lines, trimmed, NameMatch::Loose)));
  activated = section + 1;  // entry 0 is "Default"
}

int ActivatedPreset() { return activated; }
void ForgetActivatedPresetForTests() { activated = -1; }

}  // namespace hotkeys
