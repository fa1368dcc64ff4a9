// What the library holds lives to the end of the process: at exit the C
// runtime must not destroy the open windows (and with them the textures of
// the graphics DLLs, which may be gone by then).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "gui/dialog.h"
#include "gui/window_sets.h"
#include "sim/simulator.h"

namespace {

int destroyedPipe = -1;

// Writes one byte when destroyed.
struct Witness : GUI_Element {
  Witness() : GUI_Element(0, 0, 1, 1, 1) {}
  ~Witness() override {
    const char byte = 'x';
    [[maybe_unused]] const ssize_t ignored = ::write(destroyedPipe, &byte, 1);
  }
};

TEST(ExitLifetime, OpenWindowsAreNotDestroyedAtExit) {
  int channel[2];
  ASSERT_EQ(::pipe(channel), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(channel[0]);
    destroyedPipe = channel[1];
    sim::Simulator simulator;
    simulator.Start();
    auto modal = std::make_unique<GUI_Dialog>(10, 10, 100, 100, "Modal", 5);
    modal->AddChild(new Witness);
    gui::SetModalDialog(std::move(modal));
    auto listed = std::make_unique<GUI_Dialog>(10, 10, 100, 100, "Listed", 5);
    listed->AddChild(new Witness);
    gui::WindowList().push_back(std::move(listed));
    std::exit(0);  // runs the static destructors, as the process's end does
  }
  ::close(channel[1]);
  char byte = 0;
  const ssize_t got = ::read(channel[0], &byte, 1);
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(got, 0) << "a window was destroyed at exit";
}

}  // namespace
