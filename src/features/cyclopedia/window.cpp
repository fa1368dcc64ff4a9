#include "features/cyclopedia/window.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "features/cyclopedia/bestiary_content.h"
#include "features/cyclopedia/boss_slots_content.h"
#include "features/cyclopedia/bosstiary_content.h"
#include "features/cyclopedia/charms_content.h"
#include "features/cyclopedia/requests.h"
#include "features/cyclopedia/rules.h"
#include "features/cyclopedia/search_box.h"
#include "features/cyclopedia/state.h"
#include "features/cyclopedia/tab_buttons.h"
#include "features/cyclopedia/tracker.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/text_case.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"

namespace cyclopedia {

GUI_Dialog* CyclopediaDialog = nullptr;

namespace {

// ---- identities ---------------------------------------------------------------------

constexpr int32_t kWidth = 700, kHeight = 540;
constexpr int32_t kPlacement = 22;  // centred on the screen, movable by the title bar

enum Code : int32_t {
  kBestiaryTab = 4000,
  kCharmsTab = 4001,
  kBosstiaryTab = 4002,
  kBossSlotsTab = 4003,
  kCloseCode = 4010,
  kTrackerCode = 4012,
  kSearchCode = 4200,
  kBackCode = 4202,
  kPreviousPage = 4204,
  kNextPage = 4205,
  kTrackKills = 4213,
  kCharmAction = 4310,
  kAlsoClose = 4312,
  kFirstFilter = 4410,
  kLastFilter = 4417,
  kConfirmSlot = 4508,
};

// Child ids the window looks up again.
constexpr int32_t kSearchBoxId = 4201, kPageLabelId = 4206, kTrackBoxId = 4213;
constexpr int32_t kBestiaryId = 4220, kBosstiaryId = 4420;

// Content area below the tabs and above the Close button.
constexpr int32_t kContentX = 14, kContentY = 56, kContentW = 672;

constexpr gui::Color kLabelColor{200, 200, 200};

// ---- pages --------------------------------------------------------------------------

// The levels of the Bestiary page a control belongs to.
enum LevelMask : uint8_t {
  kOnClasses = 1,
  kOnCreatures = 2,
  kOnDetails = 4,
  kOnEveryLevel = 7,
};

struct PageMember {
  GUI_Element* element;
  Tab page;
  uint8_t levels;
  uint8_t interactive;
};

std::vector<PageMember>& Members() {
  static std::vector<PageMember> members;
  return members;
}

template <typename Element>
Element* AddToPage(GUI_Dialog& dialog, Tab page, Element* element,
                   uint8_t levels = kOnEveryLevel) {
  dialog.AddChild(element);
  Members().push_back({element, page, levels, element->interactive});
  return element;
}

template <typename T>
T* Child(int32_t id) {
  return gui::ChildAs<T>(CyclopediaDialog, id);
}

uint8_t LevelBit(BestiaryLevel level) {
  switch (level) {
    case BestiaryLevel::Classes: return kOnClasses;
    case BestiaryLevel::Creatures: return kOnCreatures;
    case BestiaryLevel::Details: return kOnDetails;
  }
  return kOnClasses;
}

bool IsCurrent() { return CyclopediaDialog != nullptr && gui::ModalDialog() == CyclopediaDialog; }

// Shows the controls of the open tab (and of the Bestiary page's level),
// lights the tab and writes the page indicator.
void Sync() {
  if (CyclopediaDialog == nullptr) return;
  const ViewState& view = View();
  const uint8_t level = LevelBit(CurrentBestiaryLevel());
  for (const PageMember& member : Members()) {
    const bool shown = member.page == view.tab && (member.page != Tab::Bestiary ||
                                                   (member.levels & level) != 0);
    member.element->visible = shown ? 1 : 0;
    // A hidden control must not take clicks meant for the page above it.
    member.element->interactive = shown ? member.interactive : 0;
  }
  for (int32_t i = 0; i < 4; ++i) {
    if (auto* tab = Child<GUI_ButtonColor>(kBestiaryTab + i)) {
      tab->SetSelected(static_cast<int32_t>(view.tab) == i);
    }
  }
  char page[32];
  std::snprintf(page, sizeof(page), "%d / %d", view.listPage, BestiaryPageCount());
  gui::SetLabelText(CyclopediaDialog, kPageLabelId, page);
}

void RebuildBestiary() {
  if (auto* content = Child<GUI_BestiaryContent>(kBestiaryId)) content->Rebuild();
  Sync();
}

void RebuildBosstiary() {
  if (auto* content = Child<GUI_BosstiaryContent>(kBosstiaryId)) content->Rebuild();
}

// ---- building -----------------------------------------------------------------------

GUI_ButtonColor* PlainButton(GUI_Dialog& dialog, int32_t x, int32_t y, int32_t w,
                             const char* caption, int32_t id, int32_t code) {
  auto* button = new GUI_ButtonColor(x, y, w, 20, caption, id);
  gui::ApplyAvailabilityLook(*button, true);
  button->font = 1;
  button->interactive = 1;
  button->SetHandler(&OnCyclopediaCode, code);
  return button;
}

void BuildCommonControls(GUI_Dialog& dialog) {
  const char* captions[] = {"Bestiary", "Charms", "Bosstiary", "Boss Slots"};
  for (int32_t i = 0; i < 4; ++i) {
    auto* tab = dialog.AddChild(
        new GUI_CyclopediaTabButton(14 + 114 * i, 26, 110, 22, captions[i], kBestiaryTab + i));
    tab->SetHandler(&OnCyclopediaCode, kBestiaryTab + i);
  }
  // The tracker's own title picture opens it.
  auto* tracker =
      dialog.AddChild(new GUI_CyclopediaIconButton(664, 26, 22, 22, 86, 437, 12, 12, kTrackerCode));
  tracker->SetHandler(&OnCyclopediaCode, kTrackerCode);
  dialog.AddChild(new GUI_Separator(14, 52, kContentW, 2, 0));
  dialog.AddChild(new GUI_Separator(14, 504, kContentW, 2, 0));
  // Escape closes the cyclopedia too.
  dialog.AddChild(PlainButton(dialog, 616, 512, 70, "Close", gui::ids::kCancelButton, kCloseCode));
}

void BuildBestiaryPage(GUI_Dialog& dialog) {
  constexpr uint8_t kLists = kOnClasses | kOnCreatures;
  auto* box = AddToPage(dialog, Tab::Bestiary, new GUI_CyclopediaSearchBox(14, 60, 180, 20, kSearchBoxId),
                        kLists);
  box->enterHandler = &OnCyclopediaCode;
  box->enterCode = kSearchCode;
  AddToPage(dialog, Tab::Bestiary, PlainButton(dialog, 200, 60, 64, "Search", 0, kSearchCode),
            kLists);
  AddToPage(dialog, Tab::Bestiary, PlainButton(dialog, 272, 60, 64, "Back", 0, kBackCode),
            kOnCreatures | kOnDetails);
  auto* previous = AddToPage(dialog, Tab::Bestiary,
                             new GUI_CyclopediaIconButton(560, 60, 20, 20, 232, 76, 12, 12, 0),
                             kLists);
  previous->SetHandler(&OnCyclopediaCode, kPreviousPage);
  auto* label = AddToPage(dialog, Tab::Bestiary,
                          new GUI_Label(623, 64, 0, 14, "1 / 1", kPageLabelId, kLabelColor.r,
                                        kLabelColor.g, kLabelColor.b),
                          kLists);
  label->align = 1;
  auto* next = AddToPage(dialog, Tab::Bestiary,
                         new GUI_CyclopediaIconButton(666, 60, 20, 20, 244, 76, 12, 12, 0), kLists);
  next->SetHandler(&OnCyclopediaCode, kNextPage);
  AddToPage(dialog, Tab::Bestiary, new GUI_BestiaryContent(kContentX, 86, kContentW, 414, kBestiaryId));
  auto* track = AddToPage(dialog, Tab::Bestiary,
                          new GUI_CheckBox(14, 510, 120, 22, "Track Kills", false, kTrackBoxId,
                                           kLabelColor.r, kLabelColor.g, kLabelColor.b),
                          kOnDetails);
  track->interactive = 1;
  Members().back().interactive = 1;
  track->SetHandler(&OnCyclopediaCode, kTrackKills);
}

void BuildCharmsPage(GUI_Dialog& dialog) {
  AddToPage(dialog, Tab::Charms, new GUI_CharmsContent(kContentX, kContentY + 2, kContentW, 410, 0));
  auto* action = AddToPage(dialog, Tab::Charms, new GUI_CharmActionButton(500, 476, 100, 20, 0));
  action->SetHandler(&OnCyclopediaCode, kCharmAction);
}

void BuildBosstiaryPage(GUI_Dialog& dialog) {
  AddToPage(dialog, Tab::Bosstiary,
            new GUI_Label(20, 62, 0, 14, "Filter", 0, kLabelColor.r, kLabelColor.g, kLabelColor.b));
  for (int32_t i = 0; i < 8; ++i) {
    auto* box = AddToPage(dialog, Tab::Bosstiary,
                          new GUI_CheckBox(20, 84 + 22 * i, 110, 16, kBossFilterCaptions[i],
                                           View().bossFilters[static_cast<size_t>(i)],
                                           kFirstFilter + i, 170, 170, 170));
    box->interactive = 1;
    Members().back().interactive = 1;
    box->SetHandler(&OnCyclopediaCode, kFirstFilter + i);
  }
  AddToPage(dialog, Tab::Bosstiary,
            new GUI_BosstiaryContent(140, kContentY + 2, 546, 442, kBosstiaryId));
}

// Each slot's button tells its slot in the event's value.
void OnSlotOneSelect(int32_t code, int32_t) { OnCyclopediaCode(code, 1); }
void OnSlotTwoSelect(int32_t code, int32_t) { OnCyclopediaCode(code, 2); }

void BuildBossSlotsPage(GUI_Dialog& dialog) {
  // The content ends above the buttons: a press on it raises it, and it
  // must never come to lie over them.
  AddToPage(dialog, Tab::BossSlots,
            new GUI_BossSlotsContent(kContentX, kContentY + 2, kContentW,
                                     GUI_BossSlotsContent::kPanelTop + GUI_BossSlotsContent::kPanelH + 2,
                                     0));
  const int32_t buttonY = kContentY + 2 + GUI_BossSlotsContent::kPanelTop +
                          GUI_BossSlotsContent::kPanelH + 6;
  for (int slot = 0; slot < 2; ++slot) {
    const int32_t panelX = kContentX + (GUI_BossSlotsContent::kPanelW + GUI_BossSlotsContent::kPanelGap) * slot;
    auto* button = AddToPage(dialog, Tab::BossSlots,
                             new GUI_BossSlotSelectButton(
                                 panelX + GUI_BossSlotsContent::kPanelW - 84, buttonY, 84, 20, slot, 0));
    button->SetHandler(slot == 0 ? &OnSlotOneSelect : &OnSlotTwoSelect, kConfirmSlot);
  }
}

std::unique_ptr<GUI_Dialog> Build() {
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, kWidth, kHeight, "Cyclopedia", kPlacement);
  Members().clear();
  BuildCommonControls(*dialog);
  BuildBestiaryPage(*dialog);
  BuildCharmsPage(*dialog);
  BuildBosstiaryPage(*dialog);
  BuildBossSlotsPage(*dialog);
  dialog->SetFocus(nullptr);
  dialog->onDestroyed = [](GUI_Dialog* d) {
    if (CyclopediaDialog != d) return;
    CyclopediaDialog = nullptr;
    Members().clear();
    // Answers to what was asked from the window no longer open it anywhere.
    View().awaitedRaceId = 0;
    View().detailsRaceId = 0;
  };
  return dialog;
}

// ---- navigation ---------------------------------------------------------------------

// A new window starts on the class cards, with no search.
void ResetNavigation() {
  ViewState& view = View();
  view.tab = Tab::Bestiary;
  view.level = BestiaryLevel::Classes;
  view.listPage = 1;
  view.searchText.clear();
  view.searchPending = false;
  view.detailsRaceId = 0;
  Data().searchResults.clear();
}

void SelectTab(Tab tab) {
  ViewState& view = View();
  if (view.tab == tab) return;
  view.tab = tab;
  Sync();
  if (tab == Tab::Bestiary || tab == Tab::Charms) {
    RequestBestiaryOverview();
  } else {
    RequestBosstiary();
  }
}

void RequestEveryClass() {
  for (const BestiaryClass& entry : Data().classes) RequestCreaturesOfClass(entry.name);
}

void Search() {
  auto* box = Child<GUI_CyclopediaSearchBox>(kSearchBoxId);
  if (box == nullptr) return;
  ViewState& view = View();
  Data().searchResults.clear();
  view.listPage = 1;
  view.searchText = gui::LowerCase(box->text);
  view.searchPending = false;
  if (view.searchText.empty()) {
    view.level = Data().creatures.empty() ? BestiaryLevel::Classes : BestiaryLevel::Creatures;
    RebuildBestiary();
    return;
  }
  view.level = BestiaryLevel::Creatures;
  RebuildBestiary();
  // Every class is asked for; the answers are filtered as they come.
  if (Data().classes.empty()) {
    view.searchPending = true;
    RequestBestiaryOverview();
    return;
  }
  RequestEveryClass();
}

void Back() {
  ViewState& view = View();
  Tables& data = Data();
  if (CurrentBestiaryLevel() == BestiaryLevel::Details) {
    view.detailsRaceId = 0;
    const bool searching = !view.searchText.empty();
    const bool listed = searching || !data.creatures.empty();
    view.level = listed ? BestiaryLevel::Creatures : BestiaryLevel::Classes;
    RebuildBestiary();
    // The list comes back as the server has it now: the kills may have
    // moved on while the details were open.
    if (searching && !data.searchResults.empty()) {
      std::vector<uint16_t> ids;
      for (const CreatureEntry& entry : data.searchResults) ids.push_back(entry.raceId);
      RequestCreaturesById(ids);
    } else if (!searching && listed && !view.listClass.empty()) {
      RequestCreaturesOfClass(view.listClass);
    }
  } else {
    view.searchText.clear();
    view.searchPending = false;
    data.searchResults.clear();
    data.creatures.clear();
    view.level = BestiaryLevel::Classes;
    view.listPage = 1;
    if (auto* box = Child<GUI_CyclopediaSearchBox>(kSearchBoxId)) box->SetText("", true);
    RebuildBestiary();
  }
  if (data.classes.empty()) RequestBestiaryOverview();
}

void TrackKills(int32_t checked) {
  const uint16_t raceId = View().detailsRaceId;
  if (raceId == 0 || CurrentBestiaryLevel() != BestiaryLevel::Details) return;
  RequestTrackKills(raceId, checked != 0);
}

void SetFilter(int32_t index, int32_t checked) {
  View().bossFilters[static_cast<size_t>(index)] = checked != 0;
  RebuildBosstiary();
}

}  // namespace

// ---- opening and closing --------------------------------------------------------------

namespace {

void BuildAndShow() {
  std::unique_ptr<GUI_Dialog> dialog = Build();
  CyclopediaDialog = dialog.get();
  gui::SetModalDialog(std::move(dialog));
  CyclopediaDialog->Place(ClientWidth, ClientHeight);
  ResetNavigation();
  RebuildBestiary();
  RebuildBosstiary();
}

}  // namespace

void OpenCyclopedia() {
  if (IsCurrent()) return;
  BuildAndShow();
  RequestBestiaryOverview();
}

void CloseCyclopedia() {
  if (IsCurrent()) {
    gui::DestroyModalDialog();
  } else if (CyclopediaDialog != nullptr && gui::SetAsideDialog() == CyclopediaDialog) {
    gui::DestroySetAsideDialog();
  }
}

// ---- refresh points -------------------------------------------------------------------

void OnClassesReplaced() {
  View().listPage = 1;
  if (View().searchPending) {
    View().searchPending = false;
    RequestEveryClass();
  }
  RebuildBestiary();
}

void OnCreaturesReplaced() {
  ViewState& view = View();
  if (view.level != BestiaryLevel::Details) view.level = BestiaryLevel::Creatures;
  view.listPage = 1;
  RebuildBestiary();
}

void OnDetailsReceived(uint16_t raceId) {
  ViewState& view = View();
  if (CyclopediaDialog != nullptr && view.awaitedRaceId == raceId) {
    view.awaitedRaceId = 0;
    view.detailsRaceId = raceId;
    view.level = BestiaryLevel::Details;
    // The details show on the Bestiary page, whichever tab was open.
    view.tab = Tab::Bestiary;
  }
  OnTrackedCreaturesChanged();
  RebuildBestiary();
}

void OnCharmsReplaced() {
  ViewState& view = View();
  const CharmTable& table = Data().charms;
  if (SelectedCharm() == nullptr) view.selectedCharmId = -1;
  if (std::find(table.assignable.begin(), table.assignable.end(), view.chosenCreature) ==
      table.assignable.end()) {
    view.chosenCreature = 0;
  }
}

void OnBosstiaryReplaced() { RebuildBosstiary(); }

void OnBossSlotsReplaced() {
  ViewState& view = View();
  if (!SlotChoosing(view.choosingSlot) ||
      view.slotChoice >= static_cast<int32_t>(Data().bossSlots.selectable.size())) {
    view.choosingSlot = -1;
    view.slotChoice = -1;
  }
}

void OnTrackedCreaturesChanged() {
  auto* box = Child<GUI_CheckBox>(kTrackBoxId);
  if (box == nullptr) return;
  box->SetChecked(IsTracked(View().detailsRaceId), false);
}

bool DetailsOnScreen(uint16_t raceId) {
  return IsCurrent() && View().tab == Tab::Bestiary &&
         CurrentBestiaryLevel() == BestiaryLevel::Details && View().detailsRaceId == raceId;
}

void TurnBestiaryPage(int32_t delta) {
  ViewState& view = View();
  const int32_t page = std::clamp(view.listPage + delta, 1, BestiaryPageCount());
  if (page == view.listPage) return;
  view.listPage = page;
  RebuildBestiary();
}

void AwaitDetails(uint16_t raceId) {
  // Opened for the details alone, it asks for the classes only when the
  // player goes back to them; another feature's window is never replaced.
  if (CyclopediaDialog == nullptr && gui::ModalDialog() == nullptr) BuildAndShow();
  if (CyclopediaDialog != nullptr) View().awaitedRaceId = raceId;
}

void OnCyclopediaCode(int32_t code, int32_t value) {
  if (code >= kFirstFilter && code <= kLastFilter) {
    SetFilter(code - kFirstFilter, value);
    return;
  }
  switch (code) {
    case kBestiaryTab: SelectTab(Tab::Bestiary); break;
    case kCharmsTab: SelectTab(Tab::Charms); break;
    case kBosstiaryTab: SelectTab(Tab::Bosstiary); break;
    case kBossSlotsTab: SelectTab(Tab::BossSlots); break;
    case kCloseCode:
    case kAlsoClose: CloseCyclopedia(); break;
    case kTrackerCode: OpenTracker(); break;
    case kSearchCode: Search(); break;
    case kBackCode: Back(); break;
    case kPreviousPage: TurnBestiaryPage(-1); break;
    case kNextPage: TurnBestiaryPage(1); break;
    case kTrackKills: TrackKills(value); break;
    case kCharmAction: PressCharmAction(); break;
    case kConfirmSlot: ConfirmBossSlot(value - 1); break;
    default: break;
  }
}

}  // namespace cyclopedia
