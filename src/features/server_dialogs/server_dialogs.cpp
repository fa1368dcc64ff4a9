#include "features/server_dialogs/server_dialogs.h"

#include <vector>

#include "features/server_dialogs/server_dialog.h"
#include "features/server_dialogs/window.h"
#include "host/frame_hooks.h"
#include "host/host_functions.h"
#include "protocol/dispatcher.h"
#include "protocol/handler_guard.h"
#include "protocol/message_reader.h"

namespace server_dialogs {
namespace {

constexpr int32_t kDialogOpcode = 0xFA;
// A button or choice takes at least an empty text and its id.
constexpr uint64_t kMinEntryBytes = 2 + 1;

std::vector<DialogEntry> ReadEntries(const char* what) {
  const uint8_t count = HostReadU8();
  RequireRoom(count, kMinEntryBytes, what);
  std::vector<DialogEntry> entries(count);
  for (DialogEntry& entry : entries) {
    entry.text = ReadString();
    entry.id = HostReadU8();
  }
  return entries;
}

}  // namespace

void ParseServerDialog() {
  protocol::RunQuietly([] {
    // Read whole before anything changes: a message cut short leaves the
    // current window as it was.
    ServerDialog dialog;
    dialog.windowId = HostReadU32();
    dialog.title = ReadString();
    dialog.message = ReadString();
    dialog.buttons = ReadEntries("buttons");
    dialog.choices = ReadEntries("choices");
    dialog.escapeButton = HostReadU8();
    dialog.enterButton = HostReadU8();
    dialog.priority = HostReadU8();
    ShowServerDialog(dialog);
  });
}

void Install() {
  protocol::RegisterOpcode(kDialogOpcode, &ParseServerDialog);
  // A question of the game world is not left open (nor answered by a press
  // still queued) once the player has left it.
  host::RegisterGameLeftReset(&CloseServerDialog);
}

}  // namespace server_dialogs
