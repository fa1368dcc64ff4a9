// Code page conversions. The machine's ANSI code page is Latin-1: every
// byte is the character of the same number, and a wide character above 0xFF
// has no byte (the default character replaces it). The C runtime's
// multibyte functions are the callers.
#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/kernel32_exports.h"

namespace sim::dll_host::win32 {
namespace {

constexpr uint32_t kCpAcp = 0, kCpOemCp = 1, kCpThreadAcp = 3, kCpWindows1252 = 1252,
                   kCpLatin1 = 28591;
constexpr Dword kMbPrecomposed = 0x1, kMbErrInvalidChars = 0x8;
constexpr Dword kWcNoBestFitChars = 0x400;

void RequireLatin1(uint32_t codePage, const char* function) {
  if (codePage == kCpAcp || codePage == kCpOemCp || codePage == kCpThreadAcp ||
      codePage == kCpWindows1252 || codePage == kCpLatin1) {
    return;
  }
  FailScenario(std::string("unimplemented import ") + function + " (code page " +
               std::to_string(codePage) + ")");
}

// The number of units to convert: a negative length counts up to and
// including the terminating zero.
template <class Unit>
int32_t UnitsOf(const Unit* text, int32_t length) {
  if (length >= 0) return length;
  int32_t count = 0;
  while (text[count] != 0) ++count;
  return count + 1;
}

}  // namespace

int32_t K32_API MultiByteToWideChar(uint32_t codePage, Dword flags, const char* text,
                                    int32_t length, char16_t* wide, int32_t capacity) {
  RequireLatin1(codePage, "MultiByteToWideChar");
  if ((flags & ~(kMbPrecomposed | kMbErrInvalidChars)) != 0) {
    FailScenario("unimplemented import MultiByteToWideChar (flags " + std::to_string(flags) + ")");
  }
  if (text == nullptr || length == 0 || capacity < 0 || (capacity > 0 && wide == nullptr)) {
    SetThreadError(kErrorInvalidParameter);
    return 0;
  }
  const int32_t count = UnitsOf(text, length);
  if (capacity == 0) return count;  // the size the caller needs
  if (capacity < count) {
    SetThreadError(kErrorInsufficientBuffer);
    return 0;
  }
  for (int32_t i = 0; i < count; ++i) wide[i] = static_cast<unsigned char>(text[i]);
  return count;
}

int32_t K32_API WideCharToMultiByte(uint32_t codePage, Dword flags, const char16_t* wide,
                                    int32_t length, char* text, int32_t capacity,
                                    const char* defaultChar, Bool* usedDefault) {
  RequireLatin1(codePage, "WideCharToMultiByte");
  if ((flags & ~kWcNoBestFitChars) != 0) {
    FailScenario("unimplemented import WideCharToMultiByte (flags " + std::to_string(flags) + ")");
  }
  if (wide == nullptr || length == 0 || capacity < 0 || (capacity > 0 && text == nullptr)) {
    SetThreadError(kErrorInvalidParameter);
    return 0;
  }
  const int32_t count = UnitsOf(wide, length);
  const char replacement = defaultChar != nullptr ? *defaultChar : '?';
  bool replaced = false;
  for (int32_t i = 0; i < count; ++i) replaced = replaced || wide[i] > 0xFF;
  if (usedDefault != nullptr) *usedDefault = replaced ? kTrue : kFalse;
  if (capacity == 0) return count;
  if (capacity < count) {
    SetThreadError(kErrorInsufficientBuffer);
    return 0;
  }
  for (int32_t i = 0; i < count; ++i) {
    text[i] = wide[i] > 0xFF ? replacement : static_cast<char>(wide[i]);
  }
  return count;
}

// Latin-1 has no lead bytes.
Bool K32_API IsDBCSLeadByteEx(uint32_t codePage, uint8_t byte) { return kFalse; }

}  // namespace sim::dll_host::win32
