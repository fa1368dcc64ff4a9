#include "win32_platform.h"

#include <cpuid.h>
#include <windows.h>

#include <cstdint>
#include <ctime>
#include <memory>

namespace win32 {
namespace {

// FILETIME counts 100 ns intervals since 1601-01-01; the Unix epoch is
// 11,644,473,600 seconds later.
constexpr uint64_t kTicksPerMillisecond = 10'000;
constexpr uint64_t kEpochDifferenceSeconds = 11'644'473'600;

// The thread owns its body: StartThread hands over a heap copy, and the
// thread frees it once the body has run.
DWORD WINAPI ThreadMain(LPVOID parameter) {
  std::unique_ptr<std::function<uint32_t()>> body(
      static_cast<std::function<uint32_t()>*>(parameter));
  try {
    return (*body)();
  } catch (...) {
    // Nothing may unwind out of a thread the host's process runs; a body
    // that throws ends like one that failed.
    return 1;
  }
}

}  // namespace

bool Win32Platform::VirtualProtect(uint32_t address, uint32_t size, uint32_t newProtection,
                                   uint32_t* oldProtection) {
  DWORD old = 0;
  const BOOL ok = ::VirtualProtect(reinterpret_cast<LPVOID>(static_cast<uintptr_t>(address)), size,
                                   newProtection, &old);
  *oldProtection = old;
  return ok != 0;
}

platform::CpuidResult Win32Platform::Cpuid(uint32_t leaf) {
  platform::CpuidResult r;
  unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
  // Sub-leaf 0, so leaves that have sub-leaves answer deterministically.
  __cpuid_count(leaf, 0, eax, ebx, ecx, edx);
  r.eax = eax;
  r.ebx = ebx;
  r.ecx = ecx;
  r.edx = edx;
  return r;
}

bool Win32Platform::StartThread(std::function<uint32_t()> body) {
  auto owned = std::make_unique<std::function<uint32_t()>>(std::move(body));
  HANDLE thread = ::CreateThread(nullptr, 0, &ThreadMain, owned.get(), 0, nullptr);
  if (thread == nullptr) return false;  // the body was never handed over: freed here
  owned.release();
  ::CloseHandle(thread);
  return true;
}

void Win32Platform::Sleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

bool Win32Platform::QueryPerformanceFrequency(int64_t* frequency) {
  LARGE_INTEGER value{};
  if (!::QueryPerformanceFrequency(&value) || value.QuadPart == 0) return false;
  *frequency = value.QuadPart;
  return true;
}

bool Win32Platform::QueryPerformanceCounter(int64_t* counter) {
  LARGE_INTEGER value{};
  if (!::QueryPerformanceCounter(&value)) return false;
  *counter = value.QuadPart;
  return true;
}

bool Win32Platform::LocalTime(uint64_t seconds, platform::CalendarTime* out) {
  const auto time = static_cast<__time64_t>(seconds);
  struct tm parts {};
  if (seconds > static_cast<uint64_t>(INT64_MAX) || _localtime64_s(&parts, &time) != 0) return false;
  *out = {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
          parts.tm_hour,        parts.tm_min,     parts.tm_sec};
  return true;
}

platform::WallClock Win32Platform::Now() {
  FILETIME ft{};
  ::GetSystemTimeAsFileTime(&ft);
  const uint64_t ticks = (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  const uint64_t millis = ticks / kTicksPerMillisecond;
  platform::WallClock now;
  now.seconds = millis / 1000 - kEpochDifferenceSeconds;
  now.milliseconds = static_cast<uint32_t>(millis % 1000);
  return now;
}

uint32_t Win32Platform::HostModuleBase() {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(::GetModuleHandleA(nullptr)));
}

void Win32Platform::DebugOutput(const std::string& text) { ::OutputDebugStringA(text.c_str()); }

platform::MappedFile Win32Platform::MapFile(const std::string& path) {
  platform::MappedFile file;
  HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return file;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(handle, &size) || size.QuadPart < 0 ||
      static_cast<uint64_t>(size.QuadPart) > SIZE_MAX) {
    ::CloseHandle(handle);
    return file;
  }
  if (size.QuadPart == 0) {
    static const uint8_t kEmpty = 0;
    ::CloseHandle(handle);
    file.data = &kEmpty;
    return file;
  }
  HANDLE mapping = ::CreateFileMappingA(handle, nullptr, PAGE_READONLY, 0, 0, nullptr);
  ::CloseHandle(handle);  // the mapping keeps the file open
  if (mapping == nullptr) return file;
  const void* view = ::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
  if (view == nullptr) {
    ::CloseHandle(mapping);
    return file;
  }
  file.data = static_cast<const uint8_t*>(view);
  file.size = static_cast<uint64_t>(size.QuadPart);
  file.handle = reinterpret_cast<uintptr_t>(mapping);
  return file;
}

void Win32Platform::UnmapFile(platform::MappedFile& file) {
  if (file.handle != 0) {
    ::UnmapViewOfFile(file.data);
    ::CloseHandle(reinterpret_cast<HANDLE>(file.handle));
  }
  file = platform::MappedFile{};
}

int16_t Win32Platform::KeyState(int virtualKey) { return ::GetKeyState(virtualKey); }

intptr_t Win32Platform::SendWindowMessage(uintptr_t window, uint32_t message, uintptr_t wParam,
                                          intptr_t lParam) {
  return ::SendMessageA(reinterpret_cast<HWND>(window), message, wParam, lParam);
}

void Win32Platform::SetCursor(platform::Cursor cursor) {
  LPCSTR shape = IDC_ARROW;
  switch (cursor) {
    case platform::Cursor::Arrow:
      shape = IDC_ARROW;
      break;
    case platform::Cursor::SizeNorthSouth:
      shape = IDC_SIZENS;
      break;
  }
  ::SetCursor(::LoadCursorA(nullptr, shape));
}

uintptr_t Win32Platform::CreateWindowExA(uint32_t exStyle, const char* className,
                                         const char* windowName, uint32_t style, int x, int y,
                                         int width, int height, uintptr_t parent, uintptr_t menu,
                                         uintptr_t instance, void* param) {
  HWND window = ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height,
                                  reinterpret_cast<HWND>(parent), reinterpret_cast<HMENU>(menu),
                                  reinterpret_cast<HINSTANCE>(instance), param);
  return reinterpret_cast<uintptr_t>(window);
}

}  // namespace win32
