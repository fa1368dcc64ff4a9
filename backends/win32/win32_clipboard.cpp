// The clipboard services of Win32Platform: plain text (CF_TEXT).
#include <windows.h>

#include <cstring>

#include "win32_platform.h"

namespace win32 {
namespace {

// Opens the clipboard for the duration of one read or write.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) : open_(::OpenClipboard(owner) != 0) {}
  ~ClipboardSession() {
    if (open_) ::CloseClipboard();
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

}  // namespace

bool Win32Platform::GetClipboardText(std::string* text) {
  if (!::IsClipboardFormatAvailable(CF_TEXT)) return false;
  ClipboardSession session(nullptr);
  if (!session.open()) return false;
  HANDLE data = ::GetClipboardData(CF_TEXT);
  if (data == nullptr) return false;
  const auto* chars = static_cast<const char*>(::GlobalLock(data));
  if (chars == nullptr) return false;
  // The block may be larger than the text; never read past either end.
  const size_t capacity = ::GlobalSize(data);
  const void* end = std::memchr(chars, '\0', capacity);
  const size_t length =
      end != nullptr ? static_cast<size_t>(static_cast<const char*>(end) - chars) : capacity;
  text->assign(chars, length);
  ::GlobalUnlock(data);
  return true;
}

bool Win32Platform::SetClipboardText(const std::string& text) {
  // EmptyClipboard gives the clipboard to the window that opened it; with no
  // window SetClipboardData may refuse, so the host's window is used.
  ClipboardSession session(::GetActiveWindow());
  if (!session.open() || !::EmptyClipboard()) return false;
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (block == nullptr) return false;
  auto* chars = static_cast<char*>(::GlobalLock(block));
  if (chars == nullptr) {
    ::GlobalFree(block);
    return false;
  }
  std::memcpy(chars, text.c_str(), text.size() + 1);
  ::GlobalUnlock(block);
  if (::SetClipboardData(CF_TEXT, block) == nullptr) {
    ::GlobalFree(block);  // still ours: the clipboard took nothing
    return false;
  }
  return true;  // the clipboard owns the block now
}

}  // namespace win32
