#include "gui/text_fit.h"

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
