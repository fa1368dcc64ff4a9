// The simulated disk's fault rules: which files a pattern selects, what a
// write gets through, and which rename kills.
#include "sim/os/file_faults.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using sim::FileFaults;
using sim::WriteVerdict;
using Error = WriteVerdict::Error;

TEST(FileFaults, PatternsSelectAFileOrAFolder) {
  const struct {
    const char* pattern;
    const char* name;
    bool selected;
  } cases[] = {
      {"", "user:Quorlan/Chars.acc", true},
      {"user:", "user:Quorlan/Chars.acc", true},
      {"user:Quorlan/", "user:Quorlan/qrl0001.tmp", true},
      {"user:Quorlan/", "user:QuorlanX/a", false},
      {"user:Quorlan/", "appdata:Quorlan/a", false},
      {"data:Quorlan.exe", "data:Quorlan.exe", true},
      // A file pattern is no prefix: the set-aside program is another file.
      {"data:Quorlan.exe", "data:Quorlan.exe.old", false},
      {"data:Quorlan.exe.old", "data:Quorlan.exe", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sim::FileSelected(c.pattern, c.name), c.selected) << c.pattern << " " << c.name;
  }
}

// Each case arms a fault, then makes writes (name, size) in order.
TEST(FileFaults, WritesAsTheArmedFaultLetsThemThrough) {
  struct Write {
    const char* name;
    uint32_t size;
    WriteVerdict verdict;
  };
  const struct {
    const char* what;
    void (*arm)(FileFaults&);
    std::vector<Write> writes;
  } cases[] = {
      {"none", [](FileFaults&) {}, {{"user:a", 9, {9, Error::None}}}},
      {"halfway, once, only the selected file",
       [](FileFaults& f) { f.ArmWriteHalfway("user:Quorlan/"); },
       {{"data:x", 10, {10, Error::None}},
        {"user:Quorlan/qrl0001.tmp", 9, {4, Error::WriteFault}},
        {"user:Quorlan/qrl0002.tmp", 9, {9, Error::None}}}},
      {"halfway of one byte writes none",
       [](FileFaults& f) { f.ArmWriteHalfway(""); },
       {{"data:x", 1, {0, Error::WriteFault}}}},
      {"disk full: what fits, then nothing",
       [](FileFaults& f) { f.ArmDiskFull(10); },
       {{"data:a", 6, {6, Error::None}},
        {"user:b", 6, {4, Error::DiskFull}},
        {"user:b", 6, {0, Error::DiskFull}},
        {"user:c", 0, {0, Error::None}}}},
      {"disk full until cleared",
       [](FileFaults& f) {
         f.ArmDiskFull(0);
         f.Clear();
       },
       {{"data:a", 6, {6, Error::None}}}},
      {"a rename fault leaves writes alone",
       [](FileFaults& f) { f.ArmKillAtRename(""); },
       {{"data:a", 6, {6, Error::None}}}},
  };
  for (const auto& c : cases) {
    FileFaults faults;
    c.arm(faults);
    for (const Write& w : c.writes) {
      EXPECT_EQ(faults.Write(w.name, w.size), w.verdict) << c.what << ": " << w.name;
    }
  }
}

TEST(FileFaults, KillAtRenameFiresOnceForTheSelectedTarget) {
  FileFaults faults;
  EXPECT_FALSE(faults.KillsAtRename("user:Quorlan/Chars.acc"));
  faults.ArmKillAtRename("data:Quorlan.exe");
  EXPECT_FALSE(faults.KillsAtRename("data:Quorlan.exe.old"));
  EXPECT_TRUE(faults.KillsAtRename("data:Quorlan.exe"));
  EXPECT_FALSE(faults.KillsAtRename("data:Quorlan.exe"));
  // A new fault replaces the armed one.
  faults.ArmKillAtRename("");
  faults.ArmWriteHalfway("");
  EXPECT_FALSE(faults.KillsAtRename("user:a"));
}

}  // namespace
