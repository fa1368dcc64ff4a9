// The plain drawers whose draw calls carry more than one rule: the item
// slots' object calls, the progress bar's fill, and the event helper's
// ownership of queued records.
#include "gui/widgets/item_viewer.h"
#include "gui/widgets/item_viewer_custom.h"
#include "gui/widgets/post_event.h"
#include "gui/widgets/progress_bar.h"
#include "gui_widgets_fixture.h"

namespace {

using namespace widget_test;

using GuiWidgetDrawers = WidgetTest;

TEST_F(GuiWidgetDrawers, ItemViewersDrawTheSlotAndItemsFromId100) {
  GUI_ItemViewer slot(10, 20, 34, 34, 99, 1);
  slot.Draw();
  EXPECT_EQ(TakeDraws(), (std::vector<std::string>{Skin(10, 20, 186, 64, 34, 34)}));
  slot.itemId = 100;
  slot.Draw();
  EXPECT_EQ(TakeDraws()[1],
            Call("HostDrawObject", {1, 11, 21, 32, 100, 0, 0, 255, 255, 255, 0, 0, 65535, 65535,
                                    0, 255, 255, 255, 0, 0}));

  GUI_ItemViewerCustom large(10, 20, 64, 64, 3031, 1);
  large.Draw();
  EXPECT_EQ(TakeDraws().back(), Call("HostDrawObject", {1, 11, 21, 62, 3031, 0, 0, 0, 0, 0, 0, 0,
                                                        65535, 65535, 0, 0, 0, 0, 0, 0}));
}

TEST_F(GuiWidgetDrawers, ProgressBarFillStaysInsideTheBar) {
  GUI_ProgressBar bar(5, 6, 100, 10, 1);
  struct Case {
    int32_t fillWidth;
    std::vector<std::string> draws;
  };
  const std::string back = Skin(5, 6, 96, 64, 100, 10);
  const Case cases[] = {
      {40, {back, Skin(5, 6, 96, 75, 40, 10)}},
      {0, {back}},
      {-7, {back}},
      {250, {back, Skin(5, 6, 96, 75, 100, 10)}},
  };
  for (const Case& c : cases) {
    bar.fillWidth = c.fillWidth;
    bar.Draw();
    EXPECT_EQ(TakeDraws(), c.draws) << c.fillWidth;
  }
}

TEST_F(GuiWidgetDrawers, QueuedEventsRunNewestFirstAndSkipMissingHandlers) {
  gui::PostEvent(&Record, 1, 10);
  gui::PostEvent(nullptr, 2, 20);
  gui::PostEvent(&Record, 3, 30);
  EXPECT_TRUE(Received().empty());
  EXPECT_EQ(RunEvents(), (std::vector<Event>{{3, 30}, {1, 10}}));
}

}  // namespace
