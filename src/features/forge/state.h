// What the forge holds between messages: the server's item lists and
// balance, the player's selections, the history page and the window's
// mode. One instance for the process.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "features/forge/rules.h"

namespace forge {

struct ForgeItem {
  uint16_t itemId = 0;     // as the server knows it; sent back in requests
  uint16_t displayId = 0;  // the picture drawn for it
  std::string name;
  uint8_t tier = 0;
  uint8_t classification = 0;
  uint16_t amount = 0;
};

struct ForgeHistoryEntry {
  std::string action;
  uint32_t timestamp = 0;
  std::string date;  // made locally from the timestamp
  std::string details;
};

enum class Tab : uint8_t { Fusion = 0, Transfer = 1, History = 2 };

// A selection is an index into its list, so a replaced list can never leave
// it pointing at a freed entry: every list replacement clears it.
using Selection = std::optional<size_t>;

struct ForgeState {
  std::vector<ForgeItem> fusionItems;
  std::vector<ForgeItem> transferSources;
  std::vector<ForgeItem> transferTargets;  // tier always 0
  uint64_t gold = 0;
  uint32_t cores = 0;
  Selection selectedFusion;
  Selection selectedSource;
  Selection selectedTarget;
  Tab activeTab = Tab::Fusion;
  std::vector<ForgeHistoryEntry> history;
  uint32_t historyPage = 0;   // 0-based
  uint32_t historyPages = 1;  // never 0
  bool openedRemotely = false;

  Balance Wallet() const { return {gold, cores}; }
  const ForgeItem* SelectedFusion() const { return Pick(fusionItems, selectedFusion); }
  const ForgeItem* SelectedSource() const { return Pick(transferSources, selectedSource); }
  const ForgeItem* SelectedTarget() const { return Pick(transferTargets, selectedTarget); }
  // The fusion check of the selected item, or none without a selection;
  // its `ready` is whether the Forge button is enabled.
  std::optional<FusionCheck> Fusion() const;
  // The transfer check of the two selected items, or none while either
  // side is unselected.
  std::optional<TransferCheck> Transfer() const;

  // What "Close" and leaving the game clear. The history page survives;
  // opening the History tab asks for page 0 again.
  void Reset();

 private:
  static const ForgeItem* Pick(const std::vector<ForgeItem>& items, Selection at) {
    return at && *at < items.size() ? &items[*at] : nullptr;
  }
};

ForgeState& State();

// "Page 2/5".
std::string PageText(const ForgeState& state);

}  // namespace forge
