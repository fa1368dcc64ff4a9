#include "features/prey/rules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "gui/time_bar.h"

namespace prey {
namespace {

struct Bonus {
  const char* name;
  const char* description;  // %u is the bonus value
};

constexpr Bonus kBonuses[] = {
    {"Damage Boost", "You deal +%u%% extra damage from your prey creature."},
    {"Damage Reduction", "You take %u%% less damage from your prey creature."},
    {"XP Bonus", "Killing your prey creature rewards +%u%% extra XP."},
    {"Improved Loot", "Your prey creature has a +%u%% chance to drop additional loot."},
};
constexpr size_t kBonusCount = sizeof(kBonuses) / sizeof(kBonuses[0]);

constexpr uint32_t kFullBarSeconds = 7200;

std::string TwoByTwo(unsigned first, unsigned second) {
  char text[16];
  std::snprintf(text, sizeof(text), "%02u:%02u", first, second);
  return text;
}

}  // namespace

const char* BonusName(uint8_t bonusType) {
  return bonusType < kBonusCount ? kBonuses[bonusType].name : "Unknown";
}

std::string BonusDescription(uint8_t bonusType, uint16_t bonusValue) {
  if (bonusType >= kBonusCount) return "Unknown bonus";
  char text[96];
  std::snprintf(text, sizeof(text), kBonuses[bonusType].description, unsigned{bonusValue});
  return text;
}

std::string SlotCaption(const PreySlot& slot) {
  switch (slot.state) {
    case kLocked: return "Locked";
    case kInactive: return "Inactive";
    case kActive: return slot.creatureName;
    case kSelection:
    case kSelectionChangeBonus:
      if (const PreyChoice* choice = slot.Selected()) return "Selected: " + choice->name;
      return "Select Monster";
    default: return "Unknown";
  }
}

std::string AbbreviatedAmount(uint64_t value) {
  struct Step {
    uint64_t below;  // 0: no upper bound
    uint64_t divisor;
    const char* suffix;
  };
  constexpr Step kSteps[] = {
      {1'000'000, 1'000, "k"}, {1'000'000'000, 1'000'000, "kk"}, {0, 1'000'000'000, "bi"}};
  char text[48];
  if (value < 1000) {
    std::snprintf(text, sizeof(text), "%llu", static_cast<unsigned long long>(value));
    return text;
  }
  for (const Step& step : kSteps) {
    if (step.below != 0 && value >= step.below) continue;
    // 999,999 would round to "1000.0k": a thousand of a unit is one of the
    // next.
    const double shown = static_cast<double>(value) / static_cast<double>(step.divisor);
    if (step.below != 0 && std::round(shown * 10) >= 10000) continue;
    if (value % step.divisor == 0) {
      std::snprintf(text, sizeof(text), "%llu%s",
                    static_cast<unsigned long long>(value / step.divisor), step.suffix);
    } else {
      std::snprintf(text, sizeof(text), "%.1f%s", shown, step.suffix);
    }
    return text;
  }
  return text;  // not reached: the last step has no bound
}

std::string TimeLeftText(uint16_t timeLeft) {
  if (timeLeft == 0) return "00:00";
  return TwoByTwo(timeLeft / 3600u, (timeLeft % 3600u) / 60u);
}

std::string FreeRerollText(uint16_t freeRerollMinutes) {
  if (freeRerollMinutes == 0) return "Free";
  return TwoByTwo(freeRerollMinutes / 60u, freeRerollMinutes % 60u);
}

int32_t TimeBarValue(uint16_t timeLeft) {
  const uint32_t seconds = std::min<uint32_t>(timeLeft, kFullBarSeconds);
  return gui::TimeBarValue(static_cast<int32_t>(seconds * 100 / kFullBarSeconds));
}

bool ListRerollAllowed(const PreySlot& slot, const PreyResources& resources) {
  return slot.freeRerollMinutes == 0 || resources.Gold() >= resources.listRerollPrice;
}

bool BonusRerollAllowed(const PreyResources& resources) { return resources.wildcards != 0; }

std::array<std::string, 5> DescriptionLines(const PreySlot& slot) {
  return {"Creature: " + slot.creatureName, "Duration: " + TimeLeftText(slot.timeLeft),
          "Value: " + std::to_string(slot.bonusGrade) + "/10",
          std::string("Type: ") + BonusName(slot.bonusType),
          BonusDescription(slot.bonusType, slot.bonusValue)};
}

std::array<std::string, 5> ResetDescriptionLines() {
  return {"Click on an active prey bonus flag to see its description here.", "", "", "", ""};
}

}  // namespace prey
