#include "features/forge/window.h"

#include <memory>
#include <vector>

#include "features/forge/buttons.h"
#include "features/forge/displays.h"
#include "features/forge/history_table.h"
#include "features/forge/item_grid.h"
#include "features/forge/requests.h"
#include "features/forge/result_dialog.h"
#include "features/forge/state.h"
#include "gui/dialog.h"
#include "gui/message_dialog.h"
#include "gui/screen.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"
#include "protocol/store_request.h"

namespace forge {

GUI_Dialog* ForgeDialog = nullptr;

namespace {

// ---- identities ---------------------------------------------------------------------

constexpr int32_t kWidth = 431, kHeight = 390;
constexpr int32_t kPlacement = 20;  // centred on the screen, movable by the title bar

// Handler codes.
enum Code : int32_t {
  kFusionTab = 4001,
  kTransferTab = 4002,
  kHistoryTab = 4003,
  kForgeCode = 4010,
  kTransferCode = 4011,
  kPreviousPage = 4020,
  kNextPage = 4021,
  kStoreCode = 4030,
  kCloseCode = 4031,
  kFusionPicked = 4040,
  kSourcePicked = 4041,
  kTargetPicked = 4042,
  kResultOk = 4050,
};

// Child ids the window looks up again.
constexpr int32_t kFusionTabId = 4001, kTransferTabId = 4002, kHistoryTabId = 4003;
constexpr int32_t kForgeButtonId = 4110, kTransferButtonId = 4210;
constexpr int32_t kPageLabelId = 4300;
constexpr int32_t kGoldLabelId = 4400, kCoresLabelId = 4401;

// The Forge and Transfer buttons share one place.
constexpr int32_t kActionX = 317, kActionY = 199, kActionW = 100, kActionH = 50;

constexpr gui::Color kHeadingColor{220, 220, 220};
constexpr gui::Color kLineColor{160, 160, 160};
constexpr gui::Color kCaptionColor{150, 150, 150};

constexpr const char* kFusionLines[] = {
    "The aim of a fusion is to increase the tier of an item.",
    "The minimum tier of an item is 0, the maximum tier, 10.",
    "If two items are fused, you can spend exaltation cores.",
    "Items with a tier grant unique bonuses.",
};
constexpr const char* kTransferLines[] = {
    "Transfer the tier of an item to another item. The source item will be",
    "consumed during the transfer. Target item will receive tier from",
    "the source item, limited by the target's classification maximum tier.",
    "Example: Transfer Tier 5 from Class 3 item to Class 2 item = Tier 3.",
};

// ---- pages --------------------------------------------------------------------------

// Which page a child belongs to, and whether it takes the mouse when shown.
// Children of no page (tabs, balance, store, Close) are always shown.
struct PageMember {
  GUI_Element* element;
  Tab page;
  uint8_t interactive;
};

std::vector<PageMember>& Members() {
  static std::vector<PageMember> members;
  return members;
}

template <typename Element>
Element* AddToPage(GUI_Dialog& dialog, Tab page, Element* element) {
  dialog.AddChild(element);
  Members().push_back({element, page, element->interactive});
  return element;
}

void ShowPage(Tab page) {
  for (const PageMember& member : Members()) {
    const bool shown = member.page == page;
    member.element->visible = shown ? 1 : 0;
    // A hidden control must not take clicks meant for the page above it.
    member.element->interactive = shown ? member.interactive : 0;
  }
  if (ForgeDialog == nullptr) return;
  const int32_t tabs[] = {kFusionTabId, kTransferTabId, kHistoryTabId};
  for (int32_t i = 0; i < 3; ++i) {
    if (auto* tab = dynamic_cast<GUI_ButtonColor*>(ForgeDialog->FindChild(tabs[i]))) {
      tab->SetSelected(static_cast<int32_t>(page) == i);
    }
  }
}

void RemoveChildById(int32_t id) {
  if (ForgeDialog == nullptr) return;
  GUI_Element* child = ForgeDialog->FindChild(id);
  if (child == nullptr) return;
  std::erase_if(Members(), [child](const PageMember& m) { return m.element == child; });
  ForgeDialog->RemoveChild(child);
}

void SetLabel(int32_t id, const std::string& text) { gui::SetLabelText(ForgeDialog, id, text); }

// ---- building -----------------------------------------------------------------------

GUI_Label* Text(GUI_Dialog& dialog, Tab page, int32_t x, int32_t y, const char* text,
                gui::Color color, uint8_t font = 1, int32_t align = 0) {
  auto* label =
      AddToPage(dialog, page, new GUI_Label(x, y, 0, 14, text, 0, color.r, color.g, color.b));
  label->font = font;
  label->align = align;
  return label;
}

void ExplanationLines(GUI_Dialog& dialog, Tab page, const char* const (&lines)[4]) {
  int32_t y = 264;
  for (const char* line : lines) {
    Text(dialog, page, kWidth / 2, y, line, kLineColor, 2, 1);
    y += 14;
  }
}

// A grid with its scroll bar to its right.
template <typename Grid>
void AddGrid(GUI_Dialog& dialog, Tab page, int32_t x, int32_t code) {
  auto* bar = AddToPage(
      dialog, page,
      new GUI_VScrollBar(x + GUI_ExaltationItemGrid::kColumns * GUI_ExaltationItemGrid::kCell + 2,
                         87, 12, 72, 0, 0, 0));
  bar->interactive = 1;
  Members().back().interactive = 1;
  auto* grid = AddToPage(dialog, page, new Grid(x, 87, bar, 0));
  grid->SetHandler(&OnForgeCode, code);
}

GUI_ButtonColor* PlainButton(GUI_Dialog& dialog, int32_t x, int32_t y, int32_t w,
                             const char* caption, int32_t id, int32_t code) {
  auto* button = dialog.AddChild(new GUI_ButtonColor(x, y, w, 20, caption, id));
  gui::ApplyAvailabilityLook(*button, true);
  button->font = 1;
  button->interactive = 1;
  button->SetHandler(&OnForgeCode, code);
  return button;
}

void BuildFusionPage(GUI_Dialog& dialog) {
  Text(dialog, Tab::Fusion, 20, 70, "Select Item For Fusion", kHeadingColor);
  AddGrid<GUI_ExaltationInventory>(dialog, Tab::Fusion, 20, kFusionPicked);
  AddToPage(dialog, Tab::Fusion, new GUI_ExaltationSelectedDisplay(226, 87, 180, 34, 0));
  Text(dialog, Tab::Fusion, 20, 170, "Further Items Needed For Fusion", kHeadingColor);
  AddToPage(dialog, Tab::Fusion, new GUI_ExaltationRequirementsDisplay(20, 190, 285, 60, 0));
  ExplanationLines(dialog, Tab::Fusion, kFusionLines);
  // Last, so its tooltip lies over the grid.
  auto* hint = AddToPage(dialog, Tab::Fusion, new GUI_ExaltationArrowHint(186, 115, 16, 16, 0));
  hint->interactive = 0;  // it only watches the mouse
}

void BuildTransferPage(GUI_Dialog& dialog) {
  Text(dialog, Tab::Transfer, 20, 70, "Select Items For The Transfer", kHeadingColor);
  AddGrid<GUI_TransferLeftGrid>(dialog, Tab::Transfer, 20, kSourcePicked);
  AddGrid<GUI_TransferRightGrid>(dialog, Tab::Transfer, 256, kTargetPicked);
  Text(dialog, Tab::Transfer, 20, 170, "Transfer Requirements", kHeadingColor);
  AddToPage(dialog, Tab::Transfer, new GUI_TransferRequirementsDisplay(20, 190, 134, 60, 0));
  AddToPage(dialog, Tab::Transfer, new GUI_TransferCostBox(170, 205, 130, 24, 0));
  ExplanationLines(dialog, Tab::Transfer, kTransferLines);
}

void BuildHistoryPage(GUI_Dialog& dialog) {
  AddToPage(dialog, Tab::History, new GUI_ExaltationHistory(13, 52, 0));
  const auto page = [&](int32_t x, const char* caption, int32_t code, bool (*ready)()) {
    auto* button =
        AddToPage(dialog, Tab::History,
                  new GUI_ExaltationActionButton(x, 314, 86, 20, caption, caption, ready, 0));
    button->SetHandler(&OnForgeCode, code);
    button->font = 2;
  };
  page(13, "Previous Page", kPreviousPage, [] { return State().historyPage > 0; });
  page(332, "Next Page", kNextPage,
       [] { return uint64_t{State().historyPage} + 1 < State().historyPages; });
  auto* label = Text(dialog, Tab::History, kWidth / 2, 318, "Page 1/1", kHeadingColor, 1, 1);
  label->id = kPageLabelId;
}

void BuildCommonControls(GUI_Dialog& dialog) {
  const char* captions[] = {"Fusion", "Transfer", "History"};
  const int32_t ids[] = {kFusionTabId, kTransferTabId, kHistoryTabId};
  const int32_t codes[] = {kFusionTab, kTransferTab, kHistoryTab};
  for (int32_t i = 0; i < 3; ++i) {
    auto* tab = dialog.AddChild(
        new GUI_ExaltationTabButton(61 + 104 * i, 26, 100, 20, captions[i], ids[i]));
    tab->SetHandler(&OnForgeCode, codes[i]);
  }
  dialog.AddChild(new GUI_Separator(13, 342, kWidth - 26, 2, 0));
  // Gold above cores, so even the largest amount has room before the store
  // button.
  const gui::Color caption = kCaptionColor;
  dialog.AddChild(new GUI_Label(20, 351, 0, 14, "Gold:", 0, caption.r, caption.g, caption.b));
  dialog.AddChild(new GUI_Label(70, 351, 0, 14, "0", kGoldLabelId, 230, 230, 230));
  dialog.AddChild(new GUI_Label(20, 367, 0, 14, "Cores:", 0, caption.r, caption.g, caption.b));
  dialog.AddChild(new GUI_Label(70, 367, 0, 14, "0", kCoresLabelId, 230, 230, 230));
  auto* store = dialog.AddChild(new GUI_ExaltationStoreButton(310, 356, 55, 20, 0));
  store->SetHandler(&OnForgeCode, kStoreCode);
  // Escape closes the forge too.
  PlainButton(dialog, 372, 356, 43, "Close", gui::ids::kCancelButton, kCloseCode);
}

std::unique_ptr<GUI_Dialog> Build() {
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, kWidth, kHeight, "Exaltation Forge", kPlacement);
  Members().clear();
  BuildCommonControls(*dialog);
  BuildFusionPage(*dialog);
  BuildTransferPage(*dialog);
  BuildHistoryPage(*dialog);
  dialog->SetFocus(nullptr);
  dialog->onDestroyed = [](GUI_Dialog* d) {
    if (ForgeDialog != d) return;
    ForgeDialog = nullptr;
    Members().clear();
  };
  return dialog;
}

void RefreshBalance() {
  SetLabel(kGoldLabelId, MoneyText(State().gold));
  SetLabel(kCoresLabelId, std::to_string(State().cores));
}

// ---- the modal slot -----------------------------------------------------------------

bool ForgeIsCurrent() { return ForgeDialog != nullptr && gui::ModalDialog() == ForgeDialog; }

// Makes the forge the current window: the one set aside comes back, else a
// new one replaces whatever window is current. Answers whether it is new.
bool MakeForgeCurrent() {
  bool built = false;
  if (ForgeDialog != nullptr && gui::SetAsideDialog() == ForgeDialog) {
    gui::RestoreSetAsideDialog();
  } else {
    std::unique_ptr<GUI_Dialog> dialog = Build();
    ForgeDialog = dialog.get();
    gui::SetModalDialog(std::move(dialog));
    State().activeTab = Tab::Fusion;
    ShowPage(Tab::Fusion);
    built = true;
  }
  ForgeDialog->Place(ClientWidth, ClientHeight);
  RefreshBalance();
  SetLabel(kPageLabelId, PageText(State()));
  return built;
}

void SwitchTab(Tab tab) {
  ForgeState& state = State();
  if (tab == state.activeTab) return;
  state.activeTab = tab;
  ShowPage(tab);
  switch (tab) {
    case Tab::Fusion: break;
    case Tab::Transfer:
      state.selectedFusion.reset();
      RemoveChildById(kForgeButtonId);
      RequestTransferData();
      break;
    case Tab::History:
      state.historyPage = 0;
      state.historyPages = 1;
      SetLabel(kPageLabelId, PageText(state));
      RequestHistoryPage(0);
      break;
  }
}

void CloseForge() {
  if (ForgeIsCurrent()) {
    gui::DestroyModalDialog();
  } else if (ForgeDialog != nullptr && gui::SetAsideDialog() == ForgeDialog) {
    gui::DestroySetAsideDialog();
  }
  State().Reset();
}

void CloseResult() {
  GUI_Dialog* restored = gui::CloseModalMessage();
  if (restored == nullptr) return;
  restored->Place(ClientWidth, ClientHeight);
  if (restored == ForgeDialog) RefreshBalance();
}

// The Forge button appears with the first selection and then tells whether
// the fusion is possible.
void OnFusionPicked() {
  if (ForgeDialog == nullptr || ForgeDialog->FindChild(kForgeButtonId) != nullptr) return;
  auto* button =
      AddToPage(*ForgeDialog, Tab::Fusion,
                new GUI_ExaltationActionButton(
                    kActionX, kActionY, kActionW, kActionH, "Forge", "Not Available",
                    [] { return State().Fusion().value_or(FusionCheck{}).ready; }, kForgeButtonId));
  button->SetHandler(&OnForgeCode, kForgeCode);
  ShowPage(State().activeTab);
}

// The Transfer button is rebuilt whenever a side is picked with both chosen.
void OnTransferSidePicked() {
  if (ForgeDialog == nullptr) return;
  RemoveChildById(kTransferButtonId);
  if (!State().Transfer()) return;
  auto* button = AddToPage(
      *ForgeDialog, Tab::Transfer,
      new GUI_ExaltationActionButton(
          kActionX, kActionY, kActionW, kActionH, "Transfer", "Not Available",
          [] { return State().Transfer().value_or(TransferCheck{}).ready; }, kTransferButtonId));
  button->SetHandler(&OnForgeCode, kTransferCode);
  ShowPage(State().activeTab);
}

void PressForge() {
  const std::optional<FusionCheck> check = State().Fusion();
  if (!check || !check->ready) return;
  RequestFusion(*State().SelectedFusion());
}

void PressTransfer() {
  const std::optional<TransferCheck> check = State().Transfer();
  if (!check || !check->ready) return;
  RequestTransfer(*State().SelectedSource(), *State().SelectedTarget());
}

void OpenStore() {
  if (!ForgeIsCurrent()) return;
  gui::StackModalDialog(nullptr);
  protocol::RequestStoreOpen();
}

}  // namespace

void OpenFromServer() {
  ForgeState& state = State();
  if (!ForgeIsCurrent()) MakeForgeCurrent();
  // Also when the forge was already open (by command, away from the forge):
  // now at the forge, its items can be loaded.
  state.openedRemotely = false;
  RequestFusionItems();
}

void OpenFromCommand() {
  if (ForgeIsCurrent()) return;
  if (MakeForgeCurrent()) State().openedRemotely = true;
  SwitchTab(Tab::Transfer);
}

void ShowResult(uint32_t kind, const std::string& message) {
  gui::ShowModalMessage(BuildResultDialog(kind, message, &OnForgeCode, kResultOk));
}

void OnFusionItemsReplaced() {
  RemoveChildById(kForgeButtonId);
  RefreshBalance();
}

void OnTransferDataReplaced() {
  RemoveChildById(kTransferButtonId);
  RefreshBalance();
}

void OnHistoryReplaced() {
  if (ForgeDialog == nullptr || State().activeTab != Tab::History) return;
  SetLabel(kPageLabelId, PageText(State()));
}

void DestroyEverywhere() {
  if (ForgeDialog != nullptr && gui::SetAsideDialog() == ForgeDialog) gui::DestroySetAsideDialog();
  if (ForgeIsCurrent()) gui::DestroyModalDialog();
  gui::DestroyModalMessage();
}

void OnForgeCode(int32_t code, int32_t value) {
  switch (code) {
    case kFusionTab: SwitchTab(Tab::Fusion); break;
    case kTransferTab: SwitchTab(Tab::Transfer); break;
    case kHistoryTab: SwitchTab(Tab::History); break;
    case kForgeCode: PressForge(); break;
    case kTransferCode: PressTransfer(); break;
    case kPreviousPage:
      if (State().historyPage > 0) RequestHistoryPage(State().historyPage - 1);
      break;
    case kNextPage:
      if (uint64_t{State().historyPage} + 1 < State().historyPages) {
        RequestHistoryPage(State().historyPage + 1);
      }
      break;
    case kStoreCode: OpenStore(); break;
    case kCloseCode: CloseForge(); break;
    case kFusionPicked: OnFusionPicked(); break;
    case kSourcePicked:
    case kTargetPicked: OnTransferSidePicked(); break;
    case kResultOk: CloseResult(); break;
    default: break;
  }
}

}  // namespace forge
