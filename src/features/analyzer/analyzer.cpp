#include "features/analyzer/analyzer.h"

#include <string>
#include <vector>

#include "enhancements/commands.h"
#include "features/analyzer/analyzer_list.h"
#include "features/analyzer/exp_progress_bar.h"
#include "features/analyzer/windows.h"
#include "gui/screen.h"
#include "gui/widgets.h"
#include "gui/window.h"
#include "gui/window_sets.h"
#include "host/frame_hooks.h"
#include "host/handlers.h"
#include "host/host_functions.h"
#include "protocol/digit_grouping.h"
#include "protocol/dispatcher.h"
#include "protocol/handler_guard.h"
#include "protocol/message_hooks.h"
#include "protocol/message_reader.h"

namespace analyzer {

GUI_Window* SelectorWindow = nullptr;
GUI_Window* ExpWindow = nullptr;
GUI_Window* DropWindow = nullptr;
GUI_Window* KillWindow = nullptr;

namespace {

constexpr int32_t kKillReportOpcode = 243;

struct State {
  HuntRecord hunt;
  LootTable loot;
  KillTable kills;
};

State& Analyzer() {
  // Never destroyed: what it holds (windows, their textures) must not be
  // released at process exit, when the graphics DLLs may be gone.
  static State& state = *new State;
  return state;
}

void SetLabel(GUI_Window* window, int32_t id, const std::string& text) {
  gui::SetLabelText(window, id, text);
}

void RefreshExpTracker() {
  if (ExpWindow == nullptr) return;
  const HuntRecord& hunt = Hunt();
  SetLabel(ExpWindow, 2021, TimeText(hunt.elapsed));
  SetLabel(ExpWindow, 2022, GroupedChange(hunt.xpPerHour));
  // A hunt that lost experience (a death) shows its rate in red, not in
  // the green of progress.
  if (auto* rate = dynamic_cast<GUI_Label*>(ExpWindow->FindChild(2022))) {
    rate->textColor = hunt.xpPerHour < 0 ? gui::Color{220, 60, 60} : gui::Color{0, 192, 0};
  }
  SetLabel(ExpWindow, 2023, GroupedChange(hunt.gained));
  SetLabel(ExpWindow, 2024, protocol::GroupDigits(hunt.toNextLevel));
  SetLabel(ExpWindow, 2025, TimeText(hunt.secondsToNextLevel));
  auto* bar = dynamic_cast<GUI_ExpProgressBar*>(ExpWindow->FindChild(2026));
  const int32_t percent = LevelPercent(hunt);
  if (bar != nullptr && percent >= 0) bar->SetPercent(percent);
}

template <typename Table, typename Amount>
void RefreshList(GUI_Window* window, int32_t listId, const Table& table, Amount amount) {
  if (window == nullptr) return;
  auto* list = dynamic_cast<GUI_AnalyzerList*>(window->FindChild(listId));
  if (list == nullptr) return;
  std::vector<AnalyzerListRow> rows;
  rows.reserve(table.size());
  for (const auto& [key, row] : table) rows.push_back({row.name, amount(row)});
  list->SetRows(std::move(rows));
}

void LeaveGame() {
  CloseAll();
  ResetExp();
  ResetLoot();
  ResetKills();
  Refresh();
}

void OnStatisticsMessage(const protocol::PlayerStatistics& statistics) {
  OnPlayerStatistics(statistics.experience, statistics.statistics[3]);
}

}  // namespace

HuntRecord& Hunt() { return Analyzer().hunt; }
LootTable& Loot() { return Analyzer().loot; }
KillTable& Kills() { return Analyzer().kills; }

void Refresh() {
  RefreshExpTracker();
  RefreshList(DropWindow, 2032, Loot(), [](const LootRow& row) { return row.total; });
  RefreshList(KillWindow, 2042, Kills(), [](const KillRow& row) { return row.count; });
}

void ResetExp() {
  ResetExperience(Hunt());
  Refresh();
}

void ResetLoot() {
  Loot().clear();
  Refresh();
}

void ResetKills() {
  Kills().clear();
  Refresh();
}

void ResetAll() {
  ResetExp();
  ResetLoot();
  ResetKills();
}

void CloseAll() {
  Close(&SelectorWindow);
  Close(&ExpWindow);
  Close(&DropWindow);
  Close(&KillWindow);
  Loot().clear();
  Kills().clear();
}

void ToggleSelector() {
  if (SelectorWindow != nullptr) {
    Close(&SelectorWindow);
    return;
  }
  SelectorWindow = BuildSelector();
  SelectorWindow->CenterOnScreen(ClientWidth, ClientHeight);
}

void OnPlayerStatistics(uint64_t experience, uint32_t level) {
  HuntRecord& hunt = Hunt();
  if (!hunt.firstStatsSeen) {
    ResetExp();
    ResetLoot();
    ResetKills();
    Refresh();
    hunt.firstStatsSeen = true;
  }
  const uint32_t now = ClockMillis() / 1000;
  if (TrackExperience(hunt, experience, level, now)) Refresh();
}

void ParseAnalyzerKillReport() {
  protocol::RunQuietly([] {
    const std::string name = ReadString();
    const uint16_t lookType = HostReadU16();
    std::array<uint8_t, 5> look{};
    for (uint8_t& byte : look) byte = HostReadU8();
    const uint8_t lootCount = HostReadU8();
    CountKill(Kills(), name, lookType, look);
    for (uint8_t i = 0; i < lootCount; ++i) {
      const uint16_t itemId = HostReadU16();
      if (itemId == 0) break;  // the server ends the list early
      const uint16_t itemTag = HostReadU16();
      const std::string itemName = ReadString();
      const uint8_t amount = HostReadU8();
      AddLoot(Loot(), itemId, itemTag, itemName, amount);
    }
    Refresh();
  });
}

void Install() {
  protocol::RegisterOpcode(kKillReportOpcode, &ParseAnalyzerKillReport);
  protocol::RegisterStatisticsHook(&OnStatisticsMessage);
  host::RegisterGameLeftReset(&LeaveGame);
  gui::RegisterSingleton(gui::Singleton::AnalyticsSelector, &SelectorWindow);
  gui::RegisterSingleton(gui::Singleton::ExpTracker, &ExpWindow);
  gui::RegisterSingleton(gui::Singleton::DropTracker, &DropWindow);
  gui::RegisterSingleton(gui::Singleton::KillTracker, &KillWindow);
  enhancements::RegisterPanelCommand(enhancements::kOpenAnalyzerCommand, &ToggleSelector);
}

}  // namespace analyzer
