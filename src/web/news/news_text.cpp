// The news text of the status document: showoff's description as plain
// lines for the news panel.
#include <string>
#include <string_view>

#include "web/news/member_scan.h"
#include "web/news/status_scanners.h"

namespace news {
namespace {

constexpr size_t npos = std::string_view::npos;

// Step 1: the value ends at the first double quote that no backslash
// escapes (one preceded by an even run of backslashes is not escaped).
std::string_view RawValue(std::string_view document, size_t start) {
  size_t backslashes = 0;
  for (size_t i = start; i < document.size(); ++i) {
    if (document[i] == '"' && backslashes % 2 == 0) return document.substr(start, i - start);
    backslashes = document[i] == '\\' ? backslashes + 1 : 0;
  }
  return document.substr(start);
}

// Step 2. A code of 0 would end the line wherever the text is drawn, so it
// is left out.
std::string DecodeUnicodeEscapes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const int32_t code = UnicodeEscapeAt(text, i);
    if (code < 0) {
      out.push_back(text[i++]);
      continue;
    }
    if (code >= 0xD800 && code <= 0xDBFF && UnicodeEscapeAt(text, i + 6) >= 0) {
      i += 12;  // a surrogate pair: no single byte stands for it
      continue;
    }
    i += 6;
    if (code >= 0x2000 && code <= 0x27FF) continue;  // punctuation, arrows, symbols
    if (code > 255) {
      out.push_back('?');
    } else if (code != 0) {
      out.push_back(static_cast<char>(code));
    }
  }
  return out;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  std::string out;
  size_t start = 0;
  for (size_t at; (at = text.find(from, start)) != std::string::npos; start = at + from.size()) {
    out.append(text, start, at - start).append(to);
  }
  if (start == 0) return;
  out.append(text, start, std::string::npos);
  text = std::move(out);
}

// Step 5: a tag runs from a '<' to the next '>'; a '<' without one stays.
std::string WithoutTags(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '<') {
      const size_t close = text.find('>', i);
      if (close != std::string::npos) {
        i = close;
        continue;
      }
    }
    out.push_back(text[i]);
  }
  return out;
}

// Step 7: lines trimmed of blanks, empty ones dropped.
std::string TrimmedLines(const std::string& text) {
  std::string out;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t first = start, last = end;
    while (first < last && (text[first] == ' ' || text[first] == '\t')) ++first;
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t')) --last;
    if (last > first) {
      if (!out.empty()) out.push_back('\n');
      out.append(text, first, last - first);
    }
    start = end + 1;
  }
  return out;
}

}  // namespace

std::string CleanNewsText(std::string_view raw) {
  std::string text = DecodeUnicodeEscapes(raw);
  // Step 3, in this order, each over the whole text: "&amp;lt;" ends as "&lt;".
  ReplaceAll(text, "&lt;", "<");
  ReplaceAll(text, "&gt;", ">");
  ReplaceAll(text, "&quot;", "\"");
  ReplaceAll(text, "&#39;", "'");
  ReplaceAll(text, "&amp;", "&");
  // Step 4.
  ReplaceAll(text, "<br><br>", "\n");
  ReplaceAll(text, "<br/>", "\n");
  ReplaceAll(text, "<br />", "\n");
  ReplaceAll(text, "<br>", "\n");
  text = WithoutTags(text);
  // Step 6: the document's own line-break escapes carry no breaks.
  ReplaceAll(text, "\\r\\n", "");
  ReplaceAll(text, "\\n", "");
  ReplaceAll(text, "\\r", "");
  ReplaceAll(text, "\n\n", "\n");
  return TrimmedLines(text);
}

std::string ScanNewsText(std::string_view document) {
  const Span showoff = FindObject(document, "showoff", 0);
  if (!showoff.found) return {};
  const size_t value =
      FindTextValue(document, "description", Span{showoff.begin, document.size(), true});
  if (value == npos) return {};
  return CleanNewsText(RawValue(document, value));
}

}  // namespace news
