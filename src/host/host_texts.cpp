#include "host/host_texts.h"

#include <cstring>

#include "host/library_data.h"

namespace host {

const char* HostText(std::string_view text) {
  LibraryData& d = Data();
  constexpr uint32_t kSize = sizeof(d.hostTexts);
  // The first byte stays 0: it is the empty text and the answer when full.
  if (d.hostTextsUsed == 0) d.hostTextsUsed = 1;
  if (text.empty()) return d.hostTexts;
  // Texts are few and short (a fixed set of tooltips and menu entries), so a
  // scan of the stored ones is cheap and keeps every text stored once.
  for (uint32_t at = 1; at < d.hostTextsUsed;) {
    const char* stored = d.hostTexts + at;
    const size_t length = std::strlen(stored);
    if (std::string_view(stored, length) == text) return stored;
    at += static_cast<uint32_t>(length) + 1;
  }
  if (text.size() + 1 > kSize - d.hostTextsUsed || text.find('\0') != std::string_view::npos) {
    return d.hostTexts;
  }
  char* copy = d.hostTexts + d.hostTextsUsed;
  std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  d.hostTextsUsed += static_cast<uint32_t>(text.size()) + 1;
  return copy;
}

void ClearHostTextsForTests() { Data().hostTextsUsed = 0; }

}  // namespace host
