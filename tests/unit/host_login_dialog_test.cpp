// The "Save Account" box on the host's own login dialog, as the simulated
// host builds the dialog and logs in through the sites the library took over.
#include "enhancements/host_login_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "enhancements/enhancement_hooks.h"
#include "sim/simulator.h"

namespace {

std::vector<std::pair<std::string, std::string>> added;

void RecordAdd(const char* account, const char* password) { added.emplace_back(account, password); }

class HostLoginDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.Start();
    saved = enhancements::hooks::addSavedAccount;
    enhancements::hooks::addSavedAccount = &RecordAdd;
    added.clear();
  }
  void TearDown() override { enhancements::hooks::addSavedAccount = saved; }

  sim::HostInterface& ui() { return simulator.Interface(); }
  void (*saved)(const char*, const char*) = nullptr;
  sim::Simulator simulator;
};

TEST_F(HostLoginDialog, TheBoxIsAddedUncheckedAfterTheHostsChild) {
  const uint32_t dialog = ui().OpenLoginDialog();
  const std::vector<uint32_t>& children = ui().Children(dialog);
  ASSERT_EQ(children.size(), 2u);
  EXPECT_EQ(children[1], enhancements::SaveAccountCheckBox);
  const sim::HostCheckBox* box = ui().CheckBox(children[1]);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text, "Save Account");
  EXPECT_FALSE(box->checked);
  EXPECT_EQ((std::vector<int32_t>{box->x, box->y, box->width, box->height}),
            (std::vector<int32_t>{0, 92, 200, 22}));
}

TEST_F(HostLoginDialog, WithoutTheBoxTheHostStillLogsIn) {
  simulator.Host().failAllocations = true;
  const uint32_t dialog = ui().OpenLoginDialog();
  simulator.Host().failAllocations = false;
  EXPECT_EQ(enhancements::SaveAccountCheckBox, 0u);
  EXPECT_EQ(ui().Children(dialog).size(), 1u);
  ui().LoginFromDialog("alice", "one");
  EXPECT_TRUE(added.empty());
  EXPECT_EQ(simulator.Host().HostCalls(),
            (std::vector<std::string>{"HostLogin(\"alice\", \"one\")"}));
}

}  // namespace
