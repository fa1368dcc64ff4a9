#include "features/forge/state.h"

namespace forge {

std::optional<FusionCheck> ForgeState::Fusion() const {
  const ForgeItem* item = SelectedFusion();
  if (item == nullptr) return std::nullopt;
  return CheckFusion(item->tier, item->classification, item->amount, Wallet());
}

std::optional<TransferCheck> ForgeState::Transfer() const {
  const ForgeItem* source = SelectedSource();
  const ForgeItem* target = SelectedTarget();
  if (source == nullptr || target == nullptr) return std::nullopt;
  return CheckTransfer(source->tier, target->classification, Wallet());
}

void ForgeState::Reset() {
  fusionItems.clear();
  transferSources.clear();
  transferTargets.clear();
  gold = 0;
  cores = 0;
  selectedFusion.reset();
  selectedSource.reset();
  selectedTarget.reset();
  activeTab = Tab::Fusion;
  historyPage = 0;
  historyPages = 1;
  openedRemotely = false;
}

ForgeState& State() {
  // Never destroyed: what it holds (windows, their textures) must not be
  // released at process exit, when the graphics DLLs may be gone.
  static ForgeState& state = *new ForgeState;
  return state;
}

std::string PageText(const ForgeState& state) {
  return "Page " + std::to_string(uint64_t{state.historyPage} + 1) + "/" +
         std::to_string(state.historyPages);
}

}  // namespace forge
