// libFuzzer target: the scans of the status document for the login
// screen's information panels.
//
// The input is a document. The scans must stay inside it (they are handed
// a buffer of exactly its bytes) and keep what they promise: the news text
// has no empty line and no line with blanks at either end, no NUL byte;
// every event is sorted by the time given, with its colour; a boosted
// record without an outfit carries no outfit fields; every name is the
// document's own text after its "name":" up to a double quote, and no
// decoded description holds a NUL or grows.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "web/news/status_scanners.h"
#include "require.h"

namespace {

using fuzz::Require;

void CheckNewsText(const std::string& text) {
  Require(text.find('\0') == std::string::npos, "a NUL in the news text");
  if (text.empty()) return;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find('\n', start);
    const std::string_view line =
        std::string_view(text).substr(start, end == std::string::npos ? end : end - start);
    Require(!line.empty(), "an empty news line");
    Require(line.front() != ' ' && line.front() != '\t', "a news line starting with a blank");
    Require(line.back() != ' ' && line.back() != '\t', "a news line ending with a blank");
    if (end == std::string::npos) break;
    start = end + 1;
  }
}

void CheckName(std::string_view document, const std::string& name) {
  Require(name.find('"') == std::string::npos, "a name running past its double quote");
  Require(document.find("\"name\":\"" + name) != std::string_view::npos,
          "a name that is not the document's");
}

void CheckDescription(std::string_view raw, const std::string& decoded) {
  Require(decoded.find('\0') == std::string::npos, "a NUL in a decoded description");
  Require(decoded.size() <= raw.size(), "a decoded description longer than its text");
}

void CheckEvents(std::string_view document, const news::EventSchedule& s, int64_t now) {
  for (const news::EventRecord& e : s.running) {
    Require(e.colour == "green" && e.start <= now && now <= e.end, "a running event out of time");
  }
  for (const news::EventRecord& e : s.coming) {
    Require(e.colour == "yellow" && now < e.start, "a coming event out of time");
  }
  for (const auto* events : {&s.running, &s.coming}) {
    for (const news::EventRecord& e : *events) {
      CheckName(document, e.name);
      CheckDescription(document, e.description);
    }
  }
}

void CheckBoosted(std::string_view document, const news::BoostedRecords& records) {
  for (const news::BoostedRecord& r : records) {
    if (!r.name.empty()) CheckName(document, r.name);
    if (r.HasOutfit()) continue;
    Require(
        r.type == 0 && r.head == 0 && r.body == 0 && r.legs == 0 && r.feet == 0 && r.addons == 0,
        "outfit fields without an outfit");
  }
  Require(!records[news::kLoot].HasOutfit() && !records[news::kRespawn].HasOutfit(),
          "a boost with an outfit");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly the input, cut at a NUL byte as the fetch delivers
  // documents, in a buffer of its own size: a read past its end is caught.
  const size_t length = std::find(data, data + size, uint8_t{0}) - data;
  const std::unique_ptr<char[]> bytes(new char[length]);
  std::memcpy(bytes.get(), data, length);
  const std::string_view document(bytes.get(), length);
  const int64_t now = 1700000000;
  const news::StatusNews scanned = news::ScanStatusDocument(document, now);
  CheckNewsText(scanned.text);
  CheckEvents(document, scanned.events, now);
  CheckBoosted(document, scanned.boosted);
  CheckNewsText(news::CleanNewsText(document));
  CheckDescription(document, news::DecodeDescription(document));
  return 0;
}
