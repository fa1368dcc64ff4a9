// The forge's local rules: the cost, class and success tables, the
// affordability checks that enable the Forge and Transfer buttons, and the
// texts the window builds from the server's values. The server decides
// every forge outcome; these only decide what the window offers.
#pragma once

#include <cstdint>
#include <string>

#include "gui/draw.h"

namespace forge {

inline constexpr uint8_t kMaxTier = 10;

// Index = tier 0..10; a tier above 10 reads 0 in every table.
uint64_t FusionGold(uint32_t tier);
uint32_t FusionCores(uint32_t tier);
uint64_t TransferGold(uint32_t tier);
uint32_t TransferCores(uint32_t tier);
// 1 -> 1, 2 -> 3, 3 -> 5, 4 -> 10, anything else -> 0.
uint8_t MaxTierOfClass(uint32_t classification);
// Percent for reaching `tier` with an item of that class; 0 outside the table.
uint32_t FusionSuccessRate(uint32_t classification, uint32_t tier);

// Texts that show a requirement: grey when it is met, red when not.
inline constexpr gui::Color kMetColor{191, 191, 191};
inline constexpr gui::Color kUnmetColor{211, 60, 60};
inline gui::Color RequirementColor(bool met) { return met ? kMetColor : kUnmetColor; }

struct Balance {
  uint64_t gold = 0;
  uint32_t cores = 0;
};

struct FusionCheck {
  uint32_t newTier = 0;
  uint64_t gold = 0;    // needed
  uint32_t cores = 0;   // needed
  uint32_t successRate = 0;
  bool enoughItems = false;  // at least two of the item
  bool enoughGold = false;
  bool enoughCores = false;
  bool ready = false;  // the Forge button is enabled
};
FusionCheck CheckFusion(uint8_t tier, uint8_t classification, uint16_t amount, Balance balance);

struct TransferCheck {
  uint32_t resultTier = 0;  // the source's tier, capped by the target's class
  uint64_t gold = 0;
  uint32_t cores = 0;
  bool enoughGold = false;
  bool enoughCores = false;
  bool ready = false;  // the Transfer button is enabled
};
TransferCheck CheckTransfer(uint8_t sourceTier, uint8_t targetClassification, Balance balance);

// Money with its digits grouped in threes ("1,234,567").
std::string MoneyText(uint64_t gold);

// The one word of a result line drawn in colour, if any.
struct ColouredWord {
  size_t start = 0;
  size_t length = 0;  // 0: the whole line stays grey
  gui::Color color;
};
// "unsuccessful" in red when it occurs; else "successful" in green when it
// occurs and "failed" does not come before it; else "failed" in red. The
// search ignores case; only the first occurrence is coloured.
ColouredWord FindColouredWord(const std::string& line);

}  // namespace forge
