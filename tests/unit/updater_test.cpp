// The updater's version file, the CRC-32 of data files over chunks, and
// putting the running file in place without ever losing it.
#include <gtest/gtest.h>

#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "sim/linked/sim_platform.h"
#include "web/updater/file_crc.h"
#include "web/updater/file_replacement.h"
#include "web/updater/version_file.h"

namespace {

using updater::ParseVersionFile;
using updater::VersionCrcs;

TEST(VersionFile, ExactlyFiveUnsignedDecimalsSeparatedBySingleSpaces) {
  struct Case {
    std::string text;
    std::optional<VersionCrcs> crcs;
  };
  const VersionCrcs sample{1, 22, 333, 4444, 4294967295u};
  const std::vector<Case> cases = {
      {"1 22 333 4444 4294967295", sample},
      {"1 22 333 4444 4294967295\n", sample},
      {"1 22 333 4444 4294967295\r\n", sample},
      {"0 0 0 0 0", VersionCrcs{}},
      {"1 22 333 4444", std::nullopt},                  // four fields
      {"1 22 333 4444 5 6", std::nullopt},              // six fields
      {"1 22 333 4444 4294967296", std::nullopt},       // above 32 bits
      {"1  22 333 4444 5", std::nullopt},               // an empty field
      {" 1 22 333 4444 5", std::nullopt},
      {"1 22 333 4444 5 ", std::nullopt},
      {"1 22 333 4444 5\n\n", std::nullopt},
      {"1 22 -3 4444 5", std::nullopt},
      {"1 22 3x 4444 5", std::nullopt},
      {"1\t22 333 4444 5", std::nullopt},
      {std::string("1 22 333 4444 5\0", 16), std::nullopt},
      {"", std::nullopt},
      {"00000000001 22 333 4444 5", VersionCrcs{1, 22, 333, 4444, 5}},
      // Shorter than 8192 bytes, or no version file.
      {std::string(8183, '0') + " 1 2 3 4", VersionCrcs{0, 1, 2, 3, 4}},
      {std::string(8184, '0') + " 1 2 3 4", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseVersionFile(c.text), c.crcs) << '"' << c.text.substr(0, 40) << '"';
  }
}

class UpdaterFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Install(&platform_);
    folder_ = std::filesystem::temp_directory_path() /
              ("quorlan_updater_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  void Write(const std::string& name, const std::string& content) const {
    std::ofstream(Path(name), std::ios::binary) << content;
  }
  std::optional<std::string> Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  sim::Os os_;
  sim::SimPlatform platform_{os_};
  std::filesystem::path folder_;
};

TEST_F(UpdaterFiles, Crc32OverChunksIsTheCrcOfTheWholeFile) {
  std::string large(3 * updater::kCrcChunkSize + 17, '\0');
  for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 31 + 7);
  const auto whole = [](const std::string& s) {
    return static_cast<uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(s.data()), static_cast<uInt>(s.size())));
  };
  struct Case {
    std::string content;
    uint32_t crc;
  };
  const std::vector<Case> cases = {
      {"", 0},
      {"123456789", 0xCBF43926},  // the standard check value
      {std::string(updater::kCrcChunkSize, 'a'), whole(std::string(updater::kCrcChunkSize, 'a'))},
      {large, whole(large)},
  };
  for (const Case& c : cases) {
    Write("file", c.content);
    EXPECT_EQ(updater::FileCrc32(Path("file")), c.crc) << c.content.size() << " bytes";
  }
  EXPECT_EQ(updater::FileCrc32(Path("missing")), std::nullopt);
}

TEST_F(UpdaterFiles, TheRunningFileIsReplacedOrKept) {
  struct Case {
    const char* name;
    bool inUse, olderAside, download, asideBlocked;
    bool replaced;
    const char* inUseAfter;
  };
  const std::vector<Case> cases = {
      {"plain", true, false, true, false, true, "new"},
      {"an earlier update's file aside", true, true, true, false, true, "new"},
      {"no file in use yet", false, false, true, false, true, "new"},
      // The download cannot take the place: the old file comes back.
      {"no download", true, false, false, false, false, "old"},
      // The file in use cannot be set aside: it stays, the download goes.
      {"aside blocked", true, false, true, true, false, "old"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    if (c.inUse) Write("client.exe", "old");
    if (c.olderAside) Write("client.exe.old", "older");
    if (c.download) Write("client.exe.old.tmp", "new");
    if (c.asideBlocked) std::filesystem::create_directories(folder_ / "client.exe.old" / "x");
    EXPECT_EQ(updater::ReplaceRunningFile(Path("client.exe"), Path("client.exe.old")), c.replaced)
        << c.name;
    EXPECT_EQ(Read("client.exe"), std::optional<std::string>(c.inUseAfter)) << c.name;
    if (c.replaced && c.inUse) EXPECT_EQ(Read("client.exe.old"), "old") << c.name;
    EXPECT_EQ(Read("client.exe.old.tmp"), std::nullopt) << c.name;
  }
}

}  // namespace
