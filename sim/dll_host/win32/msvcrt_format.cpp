// msvcrt's printf formatting, one conversion at a time on this program's C
// library, with msvcrt's differences: the I64/I32/I size prefixes, long
// double being double, %p as eight upper-case hex digits, and exponents of
// at least three digits ("1.5e+000"). Wide characters and strings (%S, %C,
// %ls, %lc, %ws) are not supported.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/msvcrt_exports.h"

namespace sim::dll_host::win32 {
namespace {

enum class Size { Default, Char, Short, Long, LongLong, Wide };

struct Spec {
  std::string flags;
  int width = -1, precision = -1;
  Size size = Size::Default;
  char conversion = 0;
};

[[noreturn]] void Unsupported(const char* what) {
  FailScenario(std::string("unimplemented import printf (") + what + ")");
}

// Reads the conversion after '%' at `p`; the width and precision '*'s take
// their values from `arguments` in order. Returns the character after it.
const char* ParseSpec(const char* p, va_list& arguments, Spec* spec) {
  while (*p != '\0' && std::strchr("-+ 0#", *p) != nullptr) spec->flags.push_back(*p++);
  if (*p == '*') {
    spec->width = va_arg(arguments, int);
    if (spec->width < 0) {
      spec->flags.push_back('-');
      spec->width = -spec->width;
    }
    ++p;
  } else if (*p >= '0' && *p <= '9') {
    spec->width = 0;
    while (*p >= '0' && *p <= '9') spec->width = spec->width * 10 + (*p++ - '0');
  }
  if (*p == '.') {
    ++p;
    spec->precision = 0;
    if (*p == '*') {
      spec->precision = va_arg(arguments, int);
      ++p;
    } else {
      while (*p >= '0' && *p <= '9') spec->precision = spec->precision * 10 + (*p++ - '0');
    }
  }
  if (std::strncmp(p, "I64", 3) == 0) {
    spec->size = Size::LongLong;
    p += 3;
  } else if (std::strncmp(p, "I32", 3) == 0) {
    spec->size = Size::Long;
    p += 3;
  } else if (*p == 'I' || *p == 'z' || *p == 't' || *p == 'j') {
    spec->size = *p == 'j' ? Size::LongLong : Size::Long;  // 32-bit sizes and differences
    ++p;
  } else if (std::strncmp(p, "hh", 2) == 0) {
    spec->size = Size::Char;
    p += 2;
  } else if (std::strncmp(p, "ll", 2) == 0) {
    spec->size = Size::LongLong;
    p += 2;
  } else if (*p == 'h') {
    spec->size = Size::Short;
    ++p;
  } else if (*p == 'l') {
    spec->size = Size::Long;
    ++p;
  } else if (*p == 'w') {
    spec->size = Size::Wide;
    ++p;
  } else if (*p == 'L') {
    ++p;  // long double is double in msvcrt
  }
  spec->conversion = *p;
  return *p != '\0' ? p + 1 : p;
}

// The glibc conversion for `spec` with the given length modifier and
// conversion, the width left out when `withWidth` is false.
std::string GlibcSpec(const Spec& spec, const char* length, char conversion, bool withWidth) {
  std::string text = "%" + spec.flags;
  if (withWidth && spec.width >= 0) text += std::to_string(spec.width);
  if (spec.precision >= 0) text += "." + std::to_string(spec.precision);
  return text + length + conversion;
}

template <class Value>
std::string Printed(const std::string& format, Value value) {
  char small[128];
  const int needed = std::snprintf(small, sizeof small, format.c_str(), value);
  if (needed < static_cast<int>(sizeof small)) return std::string(small, needed < 0 ? 0 : needed);
  std::string large(static_cast<size_t>(needed) + 1, '\0');
  std::snprintf(large.data(), large.size(), format.c_str(), value);
  large.resize(static_cast<size_t>(needed));
  return large;
}

// Pads `body` to the width as the flags say: left ('-'), with zeros after
// the sign ('0'), or with spaces before.
std::string Padded(const Spec& spec, std::string body, bool zeroAllowed) {
  if (spec.width < 0 || body.size() >= static_cast<size_t>(spec.width)) return body;
  const size_t fill = static_cast<size_t>(spec.width) - body.size();
  if (spec.flags.find('-') != std::string::npos) return body + std::string(fill, ' ');
  if (zeroAllowed && spec.flags.find('0') != std::string::npos) {
    const size_t afterSign = !body.empty() && std::strchr("+- ", body[0]) != nullptr ? 1 : 0;
    return body.insert(afterSign, fill, '0');
  }
  return std::string(fill, ' ') + body;
}

// "e+05" becomes "e+005", as msvcrt writes exponents.
std::string ThreeDigitExponent(std::string text) {
  const size_t e = text.find_first_of("eE");
  if (e == std::string::npos || e + 2 >= text.size()) return text;
  const size_t digits = text.size() - (e + 2);
  if (digits < 3) text.insert(e + 2, 3 - digits, '0');
  return text;
}

std::string Floating(const Spec& spec, double value) {
  std::string body = Printed(GlibcSpec(spec, "", spec.conversion, false), value);
  const bool finite = std::isfinite(value);
  if (finite && std::strchr("eEgG", spec.conversion) != nullptr) body = ThreeDigitExponent(body);
  return Padded(spec, body, finite);
}

std::string Integer(const Spec& spec, va_list& arguments) {
  switch (spec.size) {
    case Size::LongLong:
      return Printed(GlibcSpec(spec, "ll", spec.conversion, true), va_arg(arguments, long long));
    case Size::Char:
      return Printed(GlibcSpec(spec, "hh", spec.conversion, true), va_arg(arguments, int));
    case Size::Short:
      return Printed(GlibcSpec(spec, "h", spec.conversion, true), va_arg(arguments, int));
    default:
      return Printed(GlibcSpec(spec, "", spec.conversion, true), va_arg(arguments, int));
  }
}

}  // namespace

std::string CrtFormat(const char* format, va_list arguments) {
  va_list rest;
  va_copy(rest, arguments);
  std::string out;
  for (const char* p = format; *p != '\0';) {
    if (*p != '%') {
      out.push_back(*p++);
      continue;
    }
    Spec spec;
    p = ParseSpec(p + 1, rest, &spec);
    switch (spec.conversion) {
      case '%':
        out.push_back('%');
        break;
      case 'd': case 'i': case 'u': case 'o': case 'x': case 'X':
        out += Integer(spec, rest);
        break;
      case 'c':
        if (spec.size == Size::Long || spec.size == Size::Wide) Unsupported("wide character");
        out += Printed(GlibcSpec(spec, "", 'c', true), va_arg(rest, int));
        break;
      case 's': {
        if (spec.size == Size::Long || spec.size == Size::Wide) Unsupported("wide string");
        const char* text = va_arg(rest, const char*);
        out += Printed(GlibcSpec(spec, "", 's', true), text != nullptr ? text : "(null)");
        break;
      }
      case 'e': case 'E': case 'f': case 'g': case 'G':
        out += Floating(spec, va_arg(rest, double));
        break;
      case 'p': {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08X", va_arg(rest, unsigned int));
        out += Padded(spec, digits, false);
        break;
      }
      case 'n':
        *va_arg(rest, int*) = static_cast<int>(out.size());
        break;
      case 'S': case 'C':
        Unsupported("wide text");
      default:
        Unsupported("conversion");
    }
  }
  va_end(rest);
  return out;
}

}  // namespace sim::dll_host::win32
