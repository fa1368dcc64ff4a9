// The three scans of the status document for the information panels. Each
// reads only the members it knows and leaves missing ones empty; none
// reads outside the document.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "web/news/records.h"

namespace news {

// The news text: showoff's description, its escapes, entities, line breaks
// and tags turned into plain lines. Empty when the document has none.
std::string ScanNewsText(std::string_view document);
// The raw description as the steps after its extraction see it.
std::string CleanNewsText(std::string_view raw);

// boostedcreature's creature, boss, loot and respawn.
BoostedRecords ScanBoosted(std::string_view document);

// eventschedule's eventlist, sorted by `now` (calendar seconds) into the
// running and the coming events; ended ones are left out.
EventSchedule ScanEventSchedule(std::string_view document, int64_t now);

// "\uXXXX" in an event's description: a code above 255 becomes "?", any
// other that single byte.
std::string DecodeDescription(std::string_view raw);

// Everything above from one document.
StatusNews ScanStatusDocument(std::string_view document, int64_t now);

}  // namespace news
