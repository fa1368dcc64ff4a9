#include "features/forge/rules.h"

#include <algorithm>
#include <array>

#include "gui/text_case.h"
#include "protocol/digit_grouping.h"

namespace forge {
namespace {

struct TierCosts {
  uint64_t fusionGold;
  uint32_t fusionCores;
  uint64_t transferGold;
  uint32_t transferCores;
};

constexpr std::array<TierCosts, kMaxTier + 1> kCosts = {{
    {0, 0, 0, 0},
    {10'000'000, 1, 5'000'000, 1},
    {20'000'000, 2, 10'000'000, 2},
    {30'000'000, 3, 15'000'000, 2},
    {40'000'000, 4, 20'000'000, 3},
    {50'000'000, 5, 25'000'000, 3},
    {60'000'000, 6, 30'000'000, 4},
    {70'000'000, 7, 35'000'000, 4},
    {80'000'000, 8, 40'000'000, 4},
    {90'000'000, 9, 45'000'000, 4},
    {100'000'000, 10, 50'000'000, 4},
}};

// Rows: classes 1..4; columns: the tier to reach, 1..10.
constexpr std::array<std::array<uint8_t, kMaxTier>, 4> kSuccessRates = {{
    {100, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {100, 95, 90, 0, 0, 0, 0, 0, 0, 0},
    {100, 95, 90, 85, 80, 0, 0, 0, 0, 0},
    {100, 95, 90, 85, 80, 75, 70, 65, 60, 50},
}};

TierCosts CostsOf(uint32_t tier) { return tier <= kMaxTier ? kCosts[tier] : TierCosts{}; }

}  // namespace

uint64_t FusionGold(uint32_t tier) { return CostsOf(tier).fusionGold; }
uint32_t FusionCores(uint32_t tier) { return CostsOf(tier).fusionCores; }
uint64_t TransferGold(uint32_t tier) { return CostsOf(tier).transferGold; }
uint32_t TransferCores(uint32_t tier) { return CostsOf(tier).transferCores; }

uint8_t MaxTierOfClass(uint32_t classification) {
  switch (classification) {
    case 1: return 1;
    case 2: return 3;
    case 3: return 5;
    case 4: return 10;
    default: return 0;
  }
}

uint32_t FusionSuccessRate(uint32_t classification, uint32_t tier) {
  if (classification < 1 || classification > 4 || tier < 1 || tier > kMaxTier) return 0;
  return kSuccessRates[classification - 1][tier - 1];
}

FusionCheck CheckFusion(uint8_t tier, uint8_t classification, uint16_t amount, Balance balance) {
  FusionCheck check;
  check.newTier = uint32_t{tier} + 1;
  check.gold = FusionGold(check.newTier);
  check.cores = FusionCores(check.newTier);
  check.successRate = FusionSuccessRate(classification, check.newTier);
  check.enoughItems = amount >= 2;
  check.enoughGold = balance.gold >= check.gold;
  check.enoughCores = balance.cores >= check.cores;
  check.ready = check.enoughItems && check.enoughGold && check.enoughCores;
  return check;
}

TransferCheck CheckTransfer(uint8_t sourceTier, uint8_t targetClassification, Balance balance) {
  TransferCheck check;
  check.resultTier = std::min<uint32_t>(sourceTier, MaxTierOfClass(targetClassification));
  check.gold = TransferGold(check.resultTier);
  check.cores = TransferCores(check.resultTier);
  check.enoughGold = balance.gold >= check.gold;
  check.enoughCores = balance.cores >= check.cores;
  check.ready = check.enoughGold && check.enoughCores;
  return check;
}

std::string MoneyText(uint64_t gold) { return protocol::GroupDigits(gold); }

ColouredWord FindColouredWord(const std::string& line) {
  constexpr gui::Color kRed{200, 0, 0}, kGreen{0, 200, 0};
  const std::string lowered = gui::LowerCase(line);
  if (const size_t at = lowered.find("unsuccessful"); at != std::string::npos) {
    return {at, 12, kRed};
  }
  const size_t failed = lowered.find("failed");
  if (const size_t at = lowered.find("successful");
      at != std::string::npos && (failed == std::string::npos || failed > at)) {
    return {at, 10, kGreen};
  }
  if (failed != std::string::npos) return {failed, 6, kRed};
  return {};
}

}  // namespace forge
