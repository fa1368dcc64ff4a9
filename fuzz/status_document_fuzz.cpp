// libFuzzer target: the scans of the status document for the login
// screen's information panels.
//
// The input is a document. The scans must stay inside it and keep what
// they promise: the news text has no empty line and no line with blanks at
// either end, no NUL byte; every event is sorted by the time given, with
// its colour; a boosted record without an outfit carries no outfit fields.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "web/news/status_scanners.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "status_document_fuzz: %s\n", what);
  std::abort();
}

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

void CheckEvents(const news::EventSchedule& s, int64_t now) {
  for (const news::EventRecord& e : s.running) {
    Require(e.colour == "green" && e.start <= now && now <= e.end, "a running event out of time");
  }
  for (const news::EventRecord& e : s.coming) {
    Require(e.colour == "yellow" && now < e.start, "a coming event out of time");
  }
}

void CheckBoosted(const news::BoostedRecords& records) {
  for (const news::BoostedRecord& r : records) {
    if (r.HasOutfit()) continue;
    Require(r.type == 0 && r.head == 0 && r.body == 0 && r.legs == 0 && r.feet == 0 &&
                r.addons == 0,
            "outfit fields without an outfit");
  }
  Require(!records[news::kLoot].HasOutfit() && !records[news::kRespawn].HasOutfit(),
          "a boost with an outfit");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly the input, so a read past its end is caught; cut at
  // a NUL byte as the fetch delivers documents.
  std::string document(reinterpret_cast<const char*>(data), size);
  document.resize(std::min(document.size(), document.find('\0')));
  const int64_t now = 1700000000;
  const news::StatusNews scanned = news::ScanStatusDocument(document, now);
  CheckNewsText(scanned.text);
  CheckEvents(scanned.events, now);
  CheckBoosted(scanned.boosted);
  CheckNewsText(news::CleanNewsText(document));
  return 0;
}
