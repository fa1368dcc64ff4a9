// The process's main window, posted messages, message boxes and opening
// pages in the browser.
#include <windows.h>
#include <shellapi.h>

#include "win32_platform.h"

namespace win32 {
namespace {

struct MainWindowSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK TakeMainWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<MainWindowSearch*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->process) return TRUE;
  if (::GetWindow(window, GW_OWNER) != nullptr || !::IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;  // the first one is the answer
}

}  // namespace

uintptr_t Win32Platform::FindProcessMainWindow() {
  MainWindowSearch search{::GetCurrentProcessId(), nullptr};
  ::EnumWindows(&TakeMainWindow, reinterpret_cast<LPARAM>(&search));
  return reinterpret_cast<uintptr_t>(search.found);
}

void Win32Platform::PostWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                                      intptr_t lParam) {
  ::PostMessageA(reinterpret_cast<HWND>(window), message, wParam, lParam);
}

void Win32Platform::ShowMessageBox(const std::string& text, const std::string& caption,
                                   uint32_t flags) {
  ::MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags);
}

void Win32Platform::ShellOpen(const std::string& target) {
  ::ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Platform::ShellOpenFromDesktop(const std::string& target) {
  ::ShellExecuteA(::GetDesktopWindow(), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace win32
