#include "gui/text_fit.h"

#include <algorithm>

#include "gui/draw.h"

namespace gui {

std::string FitText(int32_t font, const std::string& text, int32_t room) {
  if (TextWidth(font, text) <= room) return text;
  const int32_t dots = TextWidth(font, "...");
  // Measure growing starts, so a very long text costs no more than the
  // part that fits.
  size_t fits = 0;
  for (size_t keep = 1; keep < text.size(); ++keep) {
    if (TextWidth(font, text, static_cast<int32_t>(keep)) + dots > room) break;
    fits = keep;
  }
  while (fits > 0 && text[fits - 1] == ' ') --fits;
  return fits == 0 ? std::string() : text.substr(0, fits) + "...";
}

}  // namespace gui

namespace gui {

std::vector<std::string> WrapText(int32_t font, const std::string& text, int32_t room) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    // The longest start of the rest that fits, at least one character so
    // every line makes progress. Measured growing, so a long text costs
    // about its lines' lengths squared, not its own.
    const std::string rest = text.substr(start);
    size_t fits = std::min<size_t>(1, rest.size());
    while (fits < rest.size() &&
           TextWidth(font, rest, static_cast<int32_t>(fits + 1)) <= room) {
      ++fits;
    }
    if (fits == rest.size()) {
      lines.push_back(rest);
      return lines;
    }
    const size_t blank = rest.rfind(' ', fits);
    if (blank != std::string::npos && blank > 0) {
      lines.push_back(rest.substr(0, blank));
      start += blank + 1;
    } else {
      lines.push_back(rest.substr(0, fits));
      start += fits;
    }
  }
}

std::vector<std::string> WrapAtBlanks(int32_t font, const std::string& text, int32_t room) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    const std::string rest = text.substr(start);
    // How many characters of the rest fit, measured growing as in WrapText.
    size_t fits = 0;
    while (fits < rest.size() && TextWidth(font, rest, static_cast<int32_t>(fits + 1)) <= room) {
      ++fits;
    }
    if (fits == rest.size()) {
      lines.push_back(rest);
      return lines;
    }
    // rest[fits] is the first character that does not fit; a blank there
    // ends the line exactly.
    size_t blank = rest.rfind(' ', fits);
    if (blank == std::string::npos || blank == 0) {
      // The first word does not fit: it stands alone, up to the next blank.
      blank = rest.find(' ', std::max<size_t>(fits, 1));
      if (blank == std::string::npos) {
        lines.push_back(rest);
        return lines;
      }
    }
    lines.push_back(rest.substr(0, blank));
    start += blank + 1;
  }
}

}  // namespace gui
