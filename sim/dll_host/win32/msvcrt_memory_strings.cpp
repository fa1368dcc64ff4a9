// msvcrt's heap, memory and string functions, the C locale and the
// conversions, on this program's C library where both agree.
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "sim/dll_host/win32/msvcrt_exports.h"

namespace sim::dll_host::win32 {
namespace {

// msvcrt's struct lconv: ten strings, then eight chars.
struct CrtLconv {
  const char* decimalPoint;
  const char* thousandsSeparator;
  const char* grouping;
  const char* internationalCurrency;
  const char* currency;
  const char* monetaryDecimalPoint;
  const char* monetaryThousandsSeparator;
  const char* monetaryGrouping;
  const char* positiveSign;
  const char* negativeSign;
  char fractionDigits[8];
};

char cLocaleName[] = "C";

// msvcrt's atof knows neither hexadecimal numbers nor "inf"/"nan": it reads
// only what precedes them ("0x1p3" is 0).
bool StartsWithUnsupported(const char* text) {
  while (std::isspace(static_cast<unsigned char>(*text))) ++text;
  if (*text == '+' || *text == '-') ++text;
  return strncasecmp(text, "0x", 2) == 0 || strncasecmp(text, "inf", 3) == 0 ||
         strncasecmp(text, "nan", 3) == 0;
}

}  // namespace

void* CRT_API CrtMalloc(size_t size) {
  void* block = std::malloc(size);
  if (block == nullptr) SetCrtErrno(ENOMEM);
  return block;
}

void* CRT_API CrtCalloc(size_t count, size_t size) {
  void* block = std::calloc(count, size);
  if (block == nullptr) SetCrtErrno(ENOMEM);
  return block;
}

void* CRT_API CrtRealloc(void* block, size_t size) {
  if (size == 0) {  // msvcrt frees the block and answers null
    std::free(block);
    return nullptr;
  }
  void* moved = std::realloc(block, size);
  if (moved == nullptr) SetCrtErrno(ENOMEM);
  return moved;
}

void CRT_API CrtFree(void* block) { std::free(block); }

const void* CRT_API CrtMemchr(const void* bytes, int32_t value, size_t count) {
  return std::memchr(bytes, value, count);
}
int32_t CRT_API CrtMemcmp(const void* a, const void* b, size_t count) {
  return std::memcmp(a, b, count);
}
void* CRT_API CrtMemcpy(void* to, const void* from, size_t count) {
  return std::memcpy(to, from, count);
}
void* CRT_API CrtMemmove(void* to, const void* from, size_t count) {
  return std::memmove(to, from, count);
}
void* CRT_API CrtMemset(void* to, int32_t value, size_t count) {
  return std::memset(to, value, count);
}
const char* CRT_API CrtStrchr(const char* text, int32_t c) { return std::strchr(text, c); }
int32_t CRT_API CrtStrcmp(const char* a, const char* b) { return std::strcmp(a, b); }
size_t CRT_API CrtStrlen(const char* text) { return std::strlen(text); }
int32_t CRT_API CrtStrncmp(const char* a, const char* b, size_t count) {
  return std::strncmp(a, b, count);
}

char* CRT_API CrtStrdup(const char* text) {
  if (text == nullptr) return nullptr;
  const size_t size = std::strlen(text) + 1;
  auto* copy = static_cast<char*>(CrtMalloc(size));
  if (copy != nullptr) std::memcpy(copy, text, size);
  return copy;
}

// wchar_t is 16 bits on Windows.
size_t CRT_API CrtWcslen(const char16_t* text) {
  size_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

int32_t CRT_API CrtTolower(int32_t c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

int32_t CRT_API CrtAtoi(const char* text) { return std::atoi(text); }

double CRT_API CrtAtof(const char* text) {
  if (StartsWithUnsupported(text)) return 0.0;
  return std::strtod(text, nullptr);
}

char* CRT_API CrtUltoa(uint32_t value, char* buffer, int32_t radix) {
  if (radix < 2 || radix > 36) {
    SetCrtErrno(EINVAL);
    buffer[0] = '\0';
    return buffer;
  }
  char digits[33];
  int length = 0;
  do {
    const uint32_t digit = value % static_cast<uint32_t>(radix);
    digits[length++] = static_cast<char>(digit < 10 ? '0' + digit : 'a' + digit - 10);
    value /= static_cast<uint32_t>(radix);
  } while (value != 0);
  for (int i = 0; i < length; ++i) buffer[i] = digits[length - 1 - i];
  buffer[length] = '\0';
  return buffer;
}

// The text this program's C library has for the same error (the wording may
// differ from msvcrt's; the DLL only prints it).
char* CRT_API CrtStrerror(int32_t error) {
  int posix = error;
  switch (error) {
    case 36: posix = EDEADLK; break;
    case 38: posix = ENAMETOOLONG; break;
    case 39: posix = ENOLCK; break;
    case 40: posix = ENOSYS; break;
    case 41: posix = ENOTEMPTY; break;
    case 42: posix = EILSEQ; break;
    default: break;
  }
  return std::strerror(posix);
}

// The machine has only the C locale: asking for it (or for the user's
// default, "") answers "C"; any other locale is refused.
char* CRT_API CrtSetlocale(int32_t category, const char* locale) {
  constexpr int32_t kLcMax = 5;  // LC_ALL .. LC_TIME
  if (category < 0 || category > kLcMax) return nullptr;
  if (locale == nullptr || locale[0] == '\0' || std::strcmp(locale, "C") == 0) return cLocaleName;
  return nullptr;
}

void* CRT_API CrtLocaleconv() {
  static CrtLconv conventions{".", "", "", "", "", "", "", "", "", "",
                              {CHAR_MAX, CHAR_MAX, CHAR_MAX, CHAR_MAX, CHAR_MAX, CHAR_MAX,
                               CHAR_MAX, CHAR_MAX}};
  return &conventions;
}

}  // namespace sim::dll_host::win32
