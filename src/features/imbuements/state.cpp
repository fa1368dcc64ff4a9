#include "features/imbuements/state.h"

#include <algorithm>

namespace imbuements {

const ImbuementInfo* WindowState::Find(uint32_t id) const {
  if (id == 0) return nullptr;
  const auto found = std::find_if(applicable.begin(), applicable.end(),
                                  [id](const ImbuementInfo& info) { return info.id == id; });
  return found != applicable.end() ? &*found : nullptr;
}

void WindowState::Derive() {
  anyPowerful = std::any_of(applicable.begin(), applicable.end(), [](const ImbuementInfo& info) {
    return info.name.find("Powerful") != std::string::npos;
  });
  // std::map keeps the groups in std::string order; each group's indices
  // follow the list order.
  std::map<std::string, std::vector<size_t>> groups;
  for (size_t i = 0; i < applicable.size(); ++i) groups[applicable[i].group].push_back(i);
  categories.clear();
  categories.reserve(groups.size());
  for (auto& [group, indices] : groups) categories.push_back({group, std::move(indices)});
}

WindowState& State() {
  // Never destroyed: what it holds (windows, their textures) must not be
  // released at process exit, when the graphics DLLs may be gone.
  static WindowState& state = *new WindowState;
  return state;
}

std::vector<TrackerItem>& TrackerItems() {
  static std::vector<TrackerItem> items;
  return items;
}

}  // namespace imbuements
