// Escape in a window or dialog with a combo box: an open list is closed
// first and nothing else happens; only with every list closed does Escape
// click the cancel button. The rule is the containers', so one table covers
// both kinds.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/widgets/combo_box.h"
#include "gui/window.h"
#include "gui_probe.h"
#include "sim/simulator.h"

namespace {

constexpr int32_t kEscape = 0x1B;

enum class Kind { Dialog, Window };

// A container at (100, 100) with a two-item combo box at (10, 30) and a
// probe as its cancel button; either kind answers the same calls.
struct Escapable {
  explicit Escapable(Kind kind, std::vector<std::string>* log) : kind(kind) {
    if (kind == Kind::Dialog) {
      dialog = std::make_unique<GUI_Dialog>(100, 100, 300, 200, "d", 7);
    } else {
      window = std::make_unique<GUI_Window>(100, 100, 300, 200, "w", 7, false);
      window->OnMouseMove(250, 250);  // keys go to the window under the mouse
    }
    box = new GUI_ComboBox(10, 30, 120, 18, 5);
    box->AddItem("one");
    box->AddItem("two");
    box->interactive = 1;
    auto* cancel = new Probe(200, 170, 40, 20, gui::ids::kCancelButton, log);
    if (dialog) {
      dialog->AddChild(box);
      dialog->AddChild(cancel);
    } else {
      window->AddChild(box);
      window->AddChild(cancel);
    }
  }
  void Escape() {
    if (dialog) {
      dialog->OnKeyDown(kEscape, 0);
    } else {
      window->OnKeyDown(kEscape, 0);
    }
  }
  void OpenList() {
    box->OnMouseDown(box->x + 5, box->y + 5);
    box->OnMouseUp(box->x + 5, box->y + 5);
  }

  Kind kind;
  std::unique_ptr<GUI_Dialog> dialog;
  std::unique_ptr<GUI_Window> window;
  GUI_ComboBox* box = nullptr;
};

TEST(GuiEscape, AnOpenListClosesFirstThenEscapeClicksCancel) {
  sim::Simulator simulator;
  ClientWidth = 800;
  ClientHeight = 600;
  struct Case {
    const char* name;
    Kind kind;
    bool listOpen;
  };
  for (const Case c : {Case{"dialog, list open", Kind::Dialog, true},
                       Case{"dialog, list closed", Kind::Dialog, false},
                       Case{"window, list open", Kind::Window, true},
                       Case{"window, list closed", Kind::Window, false}}) {
    std::vector<std::string> log;
    Escapable setup(c.kind, &log);
    if (c.listOpen) setup.OpenList();
    ASSERT_EQ(setup.box->open, c.listOpen ? 1 : 0) << c.name;
    setup.Escape();
    EXPECT_EQ(setup.box->open, 0) << c.name;
    const std::vector<std::string> clicked = {"2001 down 300,270", "2001 up 300,270"};
    EXPECT_EQ(log, c.listOpen ? std::vector<std::string>{} : clicked)
        << c.name << ": an open list takes the Escape";
    EXPECT_EQ(setup.box->h, 18) << c.name << ": the box has its closed rectangle back";
    log.clear();
    setup.Escape();
    EXPECT_EQ(log, clicked) << c.name << ": the next Escape clicks cancel";
  }
}

}  // namespace
