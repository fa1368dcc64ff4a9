#include "features/imbuements/rules.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string_view>

namespace imbuements {
namespace {

constexpr uint64_t kGoldWithoutLimit = uint64_t{1} << 32;

constexpr gui::Color kSuccessLow{180, 60, 60};
constexpr gui::Color kSuccessMiddle{180, 180, 60};
constexpr gui::Color kSuccessHigh{85, 180, 60};

constexpr gui::Color kUnderAnHour{211, 60, 60};
constexpr gui::Color kUnderThreeHours{248, 219, 56};
constexpr gui::Color kThreeHoursOrMore{255, 255, 255};

struct Tier {
  std::string_view prefix;
  uint8_t tier;
};
constexpr Tier kTiers[] = {{"Basic ", 1}, {"Intricate ", 2}, {"Powerful ", 3}};

// Cell k + 1 of the strip shows the k-th word's picture; cell 0 is the
// empty slot.
constexpr std::string_view kKindWords[] = {
    "Strike",      "Vampirism",   "Void",        "Swiftness",  "Vibrancy",     "Featherweight",
    "Bash",        "Blockade",    "Chop",        "Epiphany",   "Precision",    "Slash",
    "Electrify",   "Frost",       "Scorch",      "Venom",      "Cloud Fabric", "Demon Presence",
    "Dragon Hide", "Lich Shroud", "Quara Scale", "Snake Skin", "Reap"};
static_assert(std::size(kKindWords) == kKindCount);

}  // namespace

bool GoldCovers(uint64_t gold, uint64_t price) {
  return gold >= kGoldWithoutLimit || gold >= price;
}

bool SourcesOwned(const ImbuementInfo& info, const std::map<uint16_t, uint16_t>& owned) {
  return std::all_of(info.sources.begin(), info.sources.end(), [&owned](const SourceNeed& need) {
    const auto found = owned.find(need.itemId);
    const uint16_t have = found != owned.end() ? found->second : 0;
    return have >= need.count;
  });
}

bool CanImbue(const ImbuementInfo& info, uint64_t gold, const std::map<uint16_t, uint16_t>& owned) {
  return GoldCovers(gold, info.cost) && SourcesOwned(info, owned);
}

bool CanProtect(const ImbuementInfo& info, uint64_t gold,
                const std::map<uint16_t, uint16_t>& owned) {
  const uint64_t price = uint64_t{info.cost} + info.protectionCost;
  return GoldCovers(gold, price) && SourcesOwned(info, owned);
}

bool CanClear(const ImbuementSlot& slot, uint64_t gold) {
  return !slot.empty && GoldCovers(gold, slot.clearCost);
}

gui::Color SuccessColor(uint8_t successRate) {
  if (successRate < 70) return kSuccessLow;
  if (successRate < 90) return kSuccessMiddle;
  return kSuccessHigh;
}

std::string ActionCaption(const ImbuementSlot& slot) {
  if (slot.empty) return "Imbue Empty Slot";
  return "Clear Imbuement \"" + slot.imbuement.name + "\"";
}

std::string RemainingText(uint32_t seconds) {
  char text[32];
  std::snprintf(text, sizeof(text), "%02u:%02u:%02u", unsigned{seconds / 3600},
                unsigned{seconds % 3600 / 60}, unsigned{seconds % 60});
  return text;
}

int32_t RemainingPercent(uint32_t remaining, uint32_t duration) {
  if (duration == 0) return -1;
  const uint64_t left = std::min(remaining, duration);
  return static_cast<int32_t>(std::min<uint64_t>(left * 100 / duration, 100));
}

std::string TrackerTimeText(uint32_t seconds) {
  const unsigned hours = seconds / 3600;
  const unsigned minutes = seconds % 3600 / 60;
  char text[32];
  if (hours == 0) {
    std::snprintf(text, sizeof(text), "%um", minutes);
  } else if (minutes == 0) {
    std::snprintf(text, sizeof(text), "%uh", hours);
  } else {
    std::snprintf(text, sizeof(text), "%uh%02u", hours, minutes);
  }
  return text;
}

gui::Color TrackerTimeColor(uint32_t seconds) {
  if (seconds < 3600) return kUnderAnHour;
  if (seconds < 10800) return kUnderThreeHours;
  return kThreeHoursOrMore;
}

uint8_t TierOf(const std::string& name, std::string* rest) {
  for (const Tier& t : kTiers) {
    if (name.compare(0, t.prefix.size(), t.prefix) != 0) continue;
    if (rest != nullptr) *rest = name.substr(t.prefix.size());
    return t.tier;
  }
  if (rest != nullptr) *rest = name;
  return 0;
}

uint8_t KindCell(const std::string& nameWithoutTier) {
  for (size_t i = 0; i < std::size(kKindWords); ++i) {
    if (nameWithoutTier.find(kKindWords[i]) != std::string::npos) {
      return static_cast<uint8_t>(i + 1);
    }
  }
  return 0;
}

StripPoint StripCell(uint8_t cell) {
  return {kStripX + kStripCellSize * (cell % kStripColumns),
          kStripY + kStripCellSize * (cell / kStripColumns)};
}

}  // namespace imbuements
