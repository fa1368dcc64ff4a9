// LoadDataFiles and the sprite-file reads, reached through the host code the
// patch table rewrote, with the files where the host says they are.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "host/appearance/appearance_store.h"
#include "host/appearance/data_files.h"
#include "host/host_functions.h"
#include "host/host_memory.h"
#include "sim/appearance_writer.h"
#include "sim/simulator.h"

namespace {

using appearance::Category;
using namespace sim::appearance_file;

constexpr uint32_t kLoadSite = 0x4CC244;
constexpr uint32_t kSignatureVariable = 0x7998E0;
constexpr uint32_t kReadU8 = 0x507A45;
constexpr uint32_t kReadU16 = 0x507A26;
constexpr uint32_t kReadU32 = 0x507A0B;
constexpr uint32_t kSeekSite = 0x4ABEC9;
constexpr uint32_t kRewindSite = 0x4B3847;

class LoadDataFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    simulator.Start();
    writer.signature = 0x51C0FFEE;
    writer.Set(Category::Item, 100, {.attributes = {Flag(3)}});
    writer.Set(Category::Outfit, 1);
  }
  void TearDown() override { appearance::UnmapDataFiles(); }

  static void WriteFile(int number, const std::vector<uint8_t>& bytes) {
    std::ofstream file(HostDataFilePath(number, 0), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  void WriteBoth() {
    WriteFile(appearance::kAppearanceFile, writer.Bytes());
    WriteFile(appearance::kSpriteFile, {1, 2, 3, 4, 5, 6, 7});
  }

  uint32_t Load(uint32_t argument) {
    return simulator.Host().ExecuteCallSite(kLoadSite, {argument});
  }
  // The code of the host load error Load raised, or 0 when it raised none.
  int LoadErrorCode() {
    try {
      Load(1);
    } catch (const sim::HostLoadError& error) {
      return error.code;
    }
    return 0;
  }
  bool HostCalled(const std::string& call) {
    const auto& calls = simulator.Host().HostCalls();
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }
  uint32_t Host(uint32_t function) { return simulator.Host().Execute(function, {}); }

  sim::Simulator simulator;
  AppearanceFileWriter writer;
};

TEST_F(LoadDataFiles, ParsesTheAppearanceFileAndContinuesInTheHost) {
  WriteBoth();
  Load(77);
  EXPECT_TRUE(HostCalled("host:0x45CFE0(77)"));
  EXPECT_EQ(host::Read<uint32_t>(kSignatureVariable), 0x51C0FFEEu);
  EXPECT_TRUE(appearance::Store().Loaded());
  EXPECT_TRUE(HostItemTypeFlag(100, 3));
}

TEST_F(LoadDataFiles, TheHostReadsItsSpritesFromTheMappedFile) {
  WriteBoth();
  Load(0);
  EXPECT_EQ(Host(kReadU8), 1u);
  EXPECT_EQ(Host(kReadU16), 0x0302u);
  EXPECT_EQ(Host(kReadU32), 0x07060504u);
  EXPECT_EQ(Host(kReadU8), 0u);  // past the end
  simulator.Host().ExecuteCallSite(kSeekSite, {5});
  EXPECT_EQ(Host(kReadU16), 0x0706u);
  simulator.Host().ExecuteCallSite(kSeekSite, {6});
  EXPECT_EQ(Host(kReadU32), 7u);  // one byte left: the rest reads as 0
  simulator.Host().ExecuteCallSite(kSeekSite, {1000});
  EXPECT_EQ(Host(kReadU8), 0u);
  simulator.Host().ExecuteCallSite(kRewindSite, {});
  EXPECT_TRUE(HostCalled("host:0x4AB720()"));  // the host's own rewind follows
  EXPECT_EQ(Host(kReadU8), 1u);

  appearance::UnmapDataFiles();
  EXPECT_EQ(Host(kReadU32), 0u);
}

// The sprite file is mapped first. An empty file fails as its mapping does
// in the host (CreateFileMappingA refuses it), not as an empty view; an
// appearance file that does not parse fails with the same code as one that
// does not map, and the host's load does not go on.
TEST_F(LoadDataFiles, FailuresRaiseTheHostsLoadErrorWithTheFilesCode) {
  EXPECT_EQ(LoadErrorCode(), 5);  // neither file
  WriteFile(appearance::kSpriteFile, {});
  WriteFile(appearance::kAppearanceFile, writer.Bytes());
  EXPECT_EQ(LoadErrorCode(), 5);
  WriteFile(appearance::kSpriteFile, {1});
  WriteFile(appearance::kAppearanceFile, {});
  EXPECT_EQ(LoadErrorCode(), 4);
  std::remove(HostDataFilePath(appearance::kAppearanceFile, 0));
  EXPECT_EQ(LoadErrorCode(), 4);
  std::vector<uint8_t> cut = writer.Bytes();
  cut.pop_back();
  WriteFile(appearance::kAppearanceFile, cut);
  EXPECT_EQ(LoadErrorCode(), 4);
  EXPECT_TRUE(HostCalled("HostLoadError(4)"));
  EXPECT_FALSE(HostCalled("host:0x45CFE0(1)"));
  EXPECT_FALSE(appearance::Store().Loaded());
}

TEST_F(LoadDataFiles, ASecondLoadMapsTheFilesAgain) {
  WriteBoth();
  Load(0);
  WriteFile(appearance::kSpriteFile, {9, 8});
  writer.Set(Category::Item, 100, {.attributes = {Flag(4)}});
  WriteFile(appearance::kAppearanceFile, writer.Bytes());
  Load(0);
  EXPECT_EQ(Host(kReadU16), 0x0809u);
  EXPECT_FALSE(HostItemTypeFlag(100, 3));
  EXPECT_TRUE(HostItemTypeFlag(100, 4));
}

}  // namespace
