// The clipboard as the DLL uses it: plain text (CF_TEXT) between
// OpenClipboard and CloseClipboard. The machine's text (Os::clipboard) is
// the clipboard's content; a GetClipboardText or SetClipboardText of the
// DLL ends with exactly what Os::GetClipboardText / SetClipboardText give,
// and the machine's failure switch makes OpenClipboard fail, so every read
// and write fails as the simulator's platform fails it.
#include <mutex>

#include "sim/dll_host/win32/global_memory.h"
#include "sim/dll_host/win32/user32_exports.h"
#include "sim/os/sim_os.h"

namespace sim::dll_host::win32 {
namespace {

constexpr uint32_t kCfText = 1;
constexpr Dword kErrorClipboardNotOpen = 1418;

// The clipboard's side of the session. `block` is the clipboard's own copy
// of `blockText` (the DLL's block once SetClipboardData took it, or the one
// GetClipboardData made): the clipboard owns it, as Windows' does, and
// frees it when the content changes.
struct Clipboard {
  std::mutex lock;
  bool open = false;
  Handle block = 0;
  std::string blockText;

  void ReplaceBlock(Handle next, const std::string& text) {
    if (block != 0 && block != next) GlobalMemoryFree(block);
    block = next;
    blockText = text;
  }
};

Clipboard& TheClipboard() {
  static auto* clipboard = new Clipboard();
  return *clipboard;
}

void RequireText(const char* import, uint32_t format) {
  if (format != kCfText) {
    FailScenario(std::string("unimplemented import ") + import + " (format " +
                 std::to_string(format) + ")");
  }
}

}  // namespace

Bool K32_API OpenClipboard(Hwnd owner) {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard hold(clipboard.lock);
  if (MachineOs().clipboardFailing || clipboard.open) {
    SetLastErrorOfThread(kErrorAccessDenied);
    return kFalse;
  }
  clipboard.open = true;
  return kTrue;
}

Bool K32_API CloseClipboard() {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard hold(clipboard.lock);
  if (!clipboard.open) {
    SetLastErrorOfThread(kErrorClipboardNotOpen);
    return kFalse;
  }
  clipboard.open = false;
  return kTrue;
}

// Empties the machine's clipboard; the text comes with SetClipboardData.
Bool K32_API EmptyClipboard() {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard hold(clipboard.lock);
  if (!clipboard.open) {
    SetLastErrorOfThread(kErrorClipboardNotOpen);
    return kFalse;
  }
  Os& os = MachineOs();
  os.clipboard.clear();
  os.clipboardHasText = false;
  clipboard.ReplaceBlock(0, {});
  return kTrue;
}

Bool K32_API IsClipboardFormatAvailable(uint32_t format) {
  RequireText("IsClipboardFormatAvailable", format);
  std::string text;
  return MachineOs().GetClipboardText(&text) ? kTrue : kFalse;
}

// The clipboard's block with the machine's text; it stays the clipboard's
// (the caller locks and reads it, never frees it).
Handle K32_API GetClipboardData(uint32_t format) {
  RequireText("GetClipboardData", format);
  Clipboard& clipboard = TheClipboard();
  std::lock_guard hold(clipboard.lock);
  if (!clipboard.open) {
    SetLastErrorOfThread(kErrorClipboardNotOpen);
    return 0;
  }
  std::string text;
  if (!MachineOs().GetClipboardText(&text)) return 0;
  if (clipboard.block != 0 && clipboard.blockText == text) return clipboard.block;
  const Handle block = GlobalMemoryFromText(text);
  if (block == 0) return 0;
  clipboard.ReplaceBlock(block, text);
  return block;
}

// Takes the DLL's block on success (the DLL frees it only on failure).
Handle K32_API SetClipboardData(uint32_t format, Handle memory) {
  RequireText("SetClipboardData", format);
  if (memory == 0) FailScenario("unimplemented import SetClipboardData (delayed rendering)");
  Clipboard& clipboard = TheClipboard();
  std::lock_guard hold(clipboard.lock);
  if (!clipboard.open) {
    SetLastErrorOfThread(kErrorClipboardNotOpen);
    return 0;
  }
  std::string text;
  if (!GlobalMemoryText(memory, &text)) {
    SetLastErrorOfThread(kErrorInvalidHandle);
    return 0;
  }
  if (!MachineOs().SetClipboardText(text)) {
    SetLastErrorOfThread(kErrorAccessDenied);
    return 0;
  }
  clipboard.ReplaceBlock(memory, text);
  return memory;
}

}  // namespace sim::dll_host::win32
