// The boosted creatures and the event schedule of the status document, and
// the whole scan of one document.
#include "web/news/status_scanners.h"

#include "web/news/member_scan.h"

namespace news {
namespace {

constexpr size_t npos = std::string_view::npos;

uint8_t ColourByte(int32_t value) {
  return value >= 0 && value <= 255 ? static_cast<uint8_t>(value) : 0;
}

// A member of a boosted record counts only inside that record's object, so
// a record without one never takes its neighbour's.
BoostedRecord OutfitRecord(std::string_view document, const Span& object) {
  BoostedRecord record;
  if (!object.found) return record;
  int32_t value = 0;
  if (!ReadNumber(document, "type", object, &value) || value <= 0) return record;
  record.type = value;
  if (ReadNumber(document, "head", object, &value)) record.head = ColourByte(value);
  if (ReadNumber(document, "body", object, &value)) record.body = ColourByte(value);
  if (ReadNumber(document, "legs", object, &value)) record.legs = ColourByte(value);
  if (ReadNumber(document, "feet", object, &value)) record.feet = ColourByte(value);
  if (ReadNumber(document, "addons", object, &value)) record.addons = ColourByte(value);
  ReadText(document, "name", object, &record.name);
  ReadNumber(document, "percent", object, &record.percent);
  return record;
}

BoostedRecord BoostRecord(std::string_view document, const Span& object) {
  BoostedRecord record;
  if (!object.found) return record;
  ReadText(document, "name", object, &record.name);
  ReadNumber(document, "percent", object, &record.percent);
  return record;
}

}  // namespace

BoostedRecords ScanBoosted(std::string_view document) {
  BoostedRecords records;
  const Span boosted = FindObject(document, "boostedcreature", 0);
  if (!boosted.found) return records;
  const auto object = [&](std::string_view key) {
    return FindObject(document, key, boosted.begin);
  };
  records[kCreature] = OutfitRecord(document, object("creature"));
  records[kBoss] = OutfitRecord(document, object("boss"));
  records[kLoot] = BoostRecord(document, object("loot"));
  records[kRespawn] = BoostRecord(document, object("respawn"));
  return records;
}

std::string DecodeDescription(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (size_t i = 0; i < raw.size();) {
    const int32_t code = UnicodeEscapeAt(raw, i);
    if (code < 0) {
      out.push_back(raw[i++]);
      continue;
    }
    i += 6;
    // A code of 0 would end the line wherever the text is drawn.
    if (code > 255) {
      out.push_back('?');
    } else if (code != 0) {
      out.push_back(static_cast<char>(code));
    }
  }
  return out;
}

EventSchedule ScanEventSchedule(std::string_view document, int64_t now) {
  EventSchedule schedule;
  const Span eventSchedule = FindObject(document, "eventschedule", 0);
  if (!eventSchedule.found) return schedule;
  const Span list = FindList(document, "eventlist", eventSchedule.begin);
  if (!list.found) return schedule;
  for (size_t at = list.begin;;) {
    const size_t next = document.find_first_of("{]", at);
    if (next == npos || document[next] == ']') break;
    const size_t close = document.find('}', next);
    if (close == npos) break;  // an object that is never closed ends the list
    const Span object{next, close, true};
    at = close + 1;
    EventRecord event;
    if (!ReadText(document, "name", object, &event.name)) continue;
    std::string description;
    if (ReadText(document, "description", object, &description)) {
      event.description = DecodeDescription(description);
    }
    ReadNumber(document, "startdate", object, &event.start);
    ReadNumber(document, "enddate", object, &event.end);
    if (now < event.start) {
      event.colour = "yellow";
      schedule.coming.push_back(std::move(event));
    } else if (now <= event.end) {
      event.colour = "green";
      schedule.running.push_back(std::move(event));
    }
  }
  return schedule;
}

StatusNews ScanStatusDocument(std::string_view document, int64_t now) {
  return {ScanNewsText(document), ScanBoosted(document), ScanEventSchedule(document, now)};
}

}  // namespace news
