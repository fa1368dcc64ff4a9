// The store's history list inside the store window: after "History" its
// rows take presses and the arrow keys, and the selected row is drawn
// selected (grey 88, text 244), which scenarios (texts only) cannot see.
// Selecting sends nothing.
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "features/store/state.h"
#include "features/store/window.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/window_sets.h"
#include "gui_widgets_fixture.h"
#include "protocol/shared_values.h"

namespace {

using namespace widget_test;

constexpr int32_t kHistoryCode = 1001;
constexpr int32_t kHistoryListId = 114;
constexpr int32_t kDown = 0x28;
constexpr int32_t kRowTop = 15, kRowH = 12;  // below the list's top
constexpr int32_t kSelectedGrey = 88;

class StoreHistoryWindow : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    ClientWidth = 1024;
    ClientHeight = 768;
    store::OnStoreData();  // no categories: nothing to fetch or ask for
    store::OnStoreCode(kHistoryCode, 0);
    for (const char* description : {"Gift from Bob", "Premium Time", "Mount"}) {
      store::HistoryRow row;
      row.date = "2024-01-02, 10:00:00";
      row.change = -100;
      row.changeText = "-100";
      row.description = description;
      store::State().history.push_back(std::move(row));
    }
    store::OnHistoryReplaced();
    list = gui::ModalDialog()->FindChild(kHistoryListId);
  }
  void TearDown() override {
    store::DestroyEverywhere();
    store::State().Reset();
    protocol::ResetSharedValuesForTests();
    WidgetTest::TearDown();
  }

  // The rows drawn selected, by index, in the frame drawn now.
  std::vector<int32_t> SelectedRows() {
    simulator.Host().Draws().clear();
    gui::DrawModalDialog();
    std::vector<int32_t> rows;
    for (const sim::DrawCall& call : std::exchange(simulator.Host().Draws(), {})) {
      // RendererFill(surface, x, y, w, h, r, g, b)
      if (call.name != "RendererFill" || call.args[1] != list->x) continue;
      const bool grey88 = call.args[5] == kSelectedGrey && call.args[6] == kSelectedGrey &&
                          call.args[7] == kSelectedGrey;
      const int32_t offset = call.args[2] - list->y - kRowTop;
      if (grey88 && offset >= 0 && offset % kRowH == 0) rows.push_back(offset / kRowH);
    }
    return rows;
  }
  std::optional<std::vector<int32_t>> TextColour(const std::string& text) {
    simulator.Host().Draws().clear();
    gui::DrawModalDialog();
    for (const sim::DrawCall& call : std::exchange(simulator.Host().Draws(), {})) {
      if (call.name == "HostDrawText" && call.text == text) {
        return std::vector<int32_t>{call.args[4], call.args[5], call.args[6]};
      }
    }
    return std::nullopt;
  }
  void PressRow(int32_t row) {
    const int32_t px = list->x + 20, py = list->y + kRowTop + row * kRowH + 5;
    gui::ModalDialog()->OnMouseDown(px, py);
    gui::ModalDialog()->OnMouseUp(px, py);
  }

  GUI_Element* list = nullptr;
};

TEST_F(StoreHistoryWindow, PressesAndArrowsSelectRowsThatAreDrawnSelectedAndSendNothing) {
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->visible, 1);
  simulator.Host().Sent().clear();
  EXPECT_EQ(SelectedRows(), std::vector<int32_t>{}) << "a new page has no selection";

  // The view has the keys at once: Down selects the first row.
  gui::ModalDialog()->OnKeyDown(kDown, 0);
  EXPECT_EQ(SelectedRows(), std::vector<int32_t>{0});

  PressRow(2);
  EXPECT_EQ(SelectedRows(), std::vector<int32_t>{2});
  EXPECT_EQ(TextColour("Mount"), (std::vector<int32_t>{244, 244, 244}));
  EXPECT_EQ(TextColour("Gift from Bob"), (std::vector<int32_t>{192, 192, 192}));

  PressRow(0);
  gui::ModalDialog()->OnKeyDown(kDown, 0);
  EXPECT_EQ(SelectedRows(), std::vector<int32_t>{1});
  EXPECT_EQ(TextColour("Premium Time"), (std::vector<int32_t>{244, 244, 244}));

  EXPECT_TRUE(RunEvents().empty());
  EXPECT_TRUE(simulator.Host().Sent().empty()) << "selecting a row sends nothing";
}

}  // namespace
