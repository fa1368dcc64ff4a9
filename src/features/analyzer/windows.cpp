#include "features/analyzer/windows.h"

#include <cstdint>

#include "features/analyzer/analyzer.h"
#include "features/analyzer/analyzer_list.h"
#include "features/analyzer/exp_progress_bar.h"
#include "gui/widgets.h"
#include "gui/window.h"
#include "host/task_queue.h"

namespace analyzer {
namespace {

// Handler codes.
constexpr int32_t kSelectorClose = 2049, kSelectorMinimize = 2059;
constexpr int32_t kExpToggle = 2010, kDropToggle = 2011, kResetAllCode = 2012, kKillToggle = 2013;
constexpr int32_t kExpClose = 2050, kExpMinimize = 2060, kExpResize = 2070, kExpReset = 2020;
constexpr int32_t kDropClose = 2051, kDropMinimize = 2061, kDropResize = 2071, kDropReset = 2030;
constexpr int32_t kKillClose = 2052, kKillMinimize = 2062, kKillResize = 2072, kKillReset = 2040;
constexpr int32_t kLootListId = 2032, kMonsterListId = 2042;

constexpr gui::Color kCaptionColor{175, 175, 175};

GUI_ButtonColor* AnalyzerButton(GUI_Window& window, int32_t x, int32_t y, int32_t w,
                                const char* caption, GUI_Handler handler, int32_t code) {
  auto* button = new GUI_ButtonColor(x, y, w, 20, caption, 0);
  button->fillColor = {70, 70, 70};
  button->borderColor = {100, 100, 100};
  button->textColor = {174, 174, 174};
  button->colorMode = 0;
  button->font = 1;
  button->interactive = 1;
  button->SetHandler(handler, code);
  window.AddChild(button);
  return button;
}

GUI_Window* NewWindow(int32_t w, int32_t h, const char* title, int32_t tag, GUI_Handler handler,
                      int32_t closeCode, int32_t minimizeCode) {
  auto* window = new GUI_Window(0, 0, w, h, title, tag, true);
  window->SetCloseHandler(handler, closeCode);
  window->SetMinimizeHandler(handler, minimizeCode);
  return window;
}

void DestroyWindowTask(void* slot, void*) { Close(static_cast<GUI_Window**>(slot)); }

void Toggle(GUI_Window** slot, GUI_Window* (*build)()) {
  if (*slot != nullptr) {
    Close(slot);
    return;
  }
  *slot = build();
  Refresh();
}

// Re-applies the list's own rectangle so its rows and scroll bar follow the
// window's new height.
void RefitList(GUI_Window* window, int32_t listId) {
  if (window == nullptr) return;
  if (GUI_Element* list = window->FindChild(listId)) list->SetBounds(list->x, list->y, list->w, list->h);
}

// The Drop Tracker and the Kill Tracker: the same window around a different
// list, answering the same kinds of codes.
struct ListTracker {
  const char* title;
  int32_t tag;
  GUI_Handler handler;
  int32_t close, selectorClose, minimize, resize, reset;
  const char* resetCaption;
  int32_t listId;
  GUI_AnalyzerList* (*makeList)();
  GUI_Window** slot;
  void (*resetTable)();
};

const ListTracker kDropTracker{
    "Drop Tracker", 10, &OnDropTrackerCode, kDropClose, 2002, kDropMinimize, kDropResize,
    kDropReset, "Reset Loot", kLootListId,
    []() -> GUI_AnalyzerList* { return new GUI_LootList(4, 44, 164, 92, kLootListId); },
    &DropWindow, &ResetLoot};
const ListTracker kKillTracker{
    "Kill Tracker", 11, &OnKillTrackerCode, kKillClose, 2003, kKillMinimize, kKillResize,
    kKillReset, "Reset Kills", kMonsterListId,
    []() -> GUI_AnalyzerList* { return new GUI_MonsterList(4, 44, 164, 92, kMonsterListId); },
    &KillWindow, &ResetKills};

GUI_Window* BuildListTracker(const ListTracker& t) {
  GUI_Window* w = NewWindow(172, 140, t.title, t.tag, t.handler, t.close, t.minimize);
  w->SetResizeHandler(t.handler, t.resize);
  w->SetMinHeight(140);
  w->SetMaxHeight(615);
  AnalyzerButton(*w, 9, 22, 145, t.resetCaption, t.handler, t.reset);
  w->AddChild(t.makeList());
  return w;
}

void OnListTrackerCode(const ListTracker& t, int32_t code) {
  if (code == t.close || code == t.selectorClose) {
    CloseLater(t.slot);
  } else if (code == t.reset) {
    t.resetTable();
  } else if (code == t.resize) {
    RefitList(*t.slot, t.listId);
  }
}

}  // namespace

void Close(GUI_Window** slot) {
  GUI_Window* window = *slot;
  if (window == nullptr) return;
  *slot = nullptr;
  window->Destroy();
  delete window;
}

void CloseLater(GUI_Window** slot) { PostToMainThread(&DestroyWindowTask, slot, nullptr); }

GUI_Window* BuildSelector() {
  GUI_Window* w = NewWindow(172, 120, "Analytics Selector", 8, &OnSelectorCode, kSelectorClose,
                            kSelectorMinimize);
  AnalyzerButton(*w, 9, 23, 158, "Exp Tracker", &OnSelectorCode, kExpToggle);
  AnalyzerButton(*w, 9, 46, 158, "Drop Tracker", &OnSelectorCode, kDropToggle);
  AnalyzerButton(*w, 9, 69, 158, "Kill Tracker", &OnSelectorCode, kKillToggle);
  AnalyzerButton(*w, 9, 92, 158, "Reset All", &OnSelectorCode, kResetAllCode);
  return w;
}

GUI_Window* BuildExpTracker() {
  GUI_Window* w =
      NewWindow(172, 170, "Exp Tracker", 9, &OnExpTrackerCode, kExpClose, kExpMinimize);
  w->SetResizeHandler(&OnExpTrackerCode, kExpResize);
  w->SetMinHeight(170);
  w->SetMaxHeight(170);
  AnalyzerButton(*w, 9, 22, 158, "Reset Exp", &OnExpTrackerCode, kExpReset);
  struct Row {
    int32_t y;
    const char* caption;
    int32_t valueId;
    const char* initial;
    gui::Color color;
  };
  constexpr Row kRows[] = {{52, "Time Elapsed:", 2021, "00h:00m", {175, 175, 175}},
                           {72, "XP/h:", 2022, "0", {0, 192, 0}},
                           {92, "XP Gain:", 2023, "0", {237, 235, 235}},
                           {112, "XP Next lvl:", 2024, "0", {237, 235, 235}},
                           {147, "Next lvl in:", 2025, "00h:00m", {237, 235, 235}}};
  for (const Row& row : kRows) {
    w->AddChild(new GUI_Label(10, row.y, 100, 20, row.caption, 0, kCaptionColor.r,
                              kCaptionColor.g, kCaptionColor.b));
    auto* value = new GUI_Label(160, row.y, 70, 20, row.initial, row.valueId, row.color.r,
                                row.color.g, row.color.b);
    value->align = 2;
    w->AddChild(value);
  }
  w->AddChild(new GUI_ExpProgressBar(10, 132, 152, 5, 2026));
  w->SetFocus(nullptr);
  return w;
}

GUI_Window* BuildDropTracker() { return BuildListTracker(kDropTracker); }

GUI_Window* BuildKillTracker() { return BuildListTracker(kKillTracker); }

void OnSelectorCode(int32_t code, int32_t value) {
  switch (code) {
    case kSelectorClose:
    case 2000: CloseLater(&SelectorWindow); break;
    case kExpToggle: Toggle(&ExpWindow, &BuildExpTracker); break;
    case kDropToggle: Toggle(&DropWindow, &BuildDropTracker); break;
    case kKillToggle: Toggle(&KillWindow, &BuildKillTracker); break;
    case kResetAllCode: ResetAll(); break;
    default: break;
  }
}

void OnExpTrackerCode(int32_t code, int32_t value) {
  switch (code) {
    case kExpClose:
    case 2001: CloseLater(&ExpWindow); break;
    case kExpReset: {
      HuntRecord& hunt = Hunt();
      hunt.startTime = 0;
      hunt.lastTime = 0;
      hunt.lastExp = 0;
      ResetExp();
      break;
    }
    default: break;
  }
}

void OnDropTrackerCode(int32_t code, int32_t value) { OnListTrackerCode(kDropTracker, code); }

void OnKillTrackerCode(int32_t code, int32_t value) { OnListTrackerCode(kKillTracker, code); }

}  // namespace analyzer
