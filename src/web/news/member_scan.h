// Members of the status document found by scanning for their keys, not by
// parsing: the document's flat layout lets a key be searched forward from
// the start of the object that holds it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace news {

// A stretch of the document: [begin, end). An object runs from its opening
// brace to the next closing brace (or to the end of the document when none
// follows); `found` is false for a member that is not there.
struct Span {
  size_t begin = 0;
  size_t end = 0;
  bool found = false;
};

// The object member `key` ("key":{), searched from `from`; its span starts
// at the brace.
Span FindObject(std::string_view document, std::string_view key, size_t from);
// The list member `key` ("key":[); its span starts just after the bracket
// and runs to the end of the document (the list's objects end it).
Span FindList(std::string_view document, std::string_view key, size_t from);

// Where the raw value of the text member `key` ("key":") starts, searched
// from `within.begin`; npos when the key does not start inside `within`.
size_t FindTextValue(std::string_view document, std::string_view key, const Span& within);
// The text member: the raw value up to the next double quote (or the end).
bool ReadText(std::string_view document, std::string_view key, const Span& within,
              std::string* out);
// The number member ("key":): blanks skipped, the text up to the next ','
// or '}' trimmed of blanks and double quotes, converted as a decimal
// number (no digits give 0, too large a value is held at the 32-bit bound).
bool ReadNumber(std::string_view document, std::string_view key, const Span& within,
                int32_t* out);

// The code of a "\uXXXX" (four hexadecimal digits) at `at` of `text`, or
// -1 when none starts there.
int32_t UnicodeEscapeAt(std::string_view text, size_t at);

// The decimal conversion the numbers use: optional blanks and sign, then
// digits up to the first other character.
int32_t DecimalValue(std::string_view text);

}  // namespace news
