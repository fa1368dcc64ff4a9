// quorlan-sim appearance: the data-file checker's JSON and exit codes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sim/appearance_writer.h"
#include "sim/commands.h"

namespace {

using appearance::Category;
using namespace sim::appearance_file;

class AppearanceCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/quorlan-appearance-XXXXXX";
    folder = ::mkdtemp(pattern);
    path = folder + "/Quorlan.dat";
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  // Runs the command; returns its exit code and keeps what it printed.
  int Run(std::vector<std::string> words) {
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    ::testing::internal::CaptureStdout();
    const int code = sim::AppearanceCommand(static_cast<int>(argv.size()), argv.data());
    printed = ::testing::internal::GetCapturedStdout();
    return code;
  }

  std::string folder, path, printed;
  AppearanceFileWriter writer;
};

TEST_F(AppearanceCommand, PrintsTheHeaderAndAWholeRecord) {
  writer.signature = 7;
  RecordSpec outfit;
  outfit.attributes = {Flag(3), Values(24, {5, 6})};
  outfit.groups = {
      Group{.type = 0, .sprites = {7}},
      Group{.type = 1,
            .frames = 2,
            .animation =
                Animation{.mode = 0, .loops = 3, .start = 1, .durations = {{10, 20}, {30, 30}}},
            .sprites = {8, 9}}};
  writer.Set(Category::Outfit, 1, outfit);
  writer.WriteTo(path);

  ASSERT_EQ(Run({path, "--category", "outfit", "--id", "1"}), 0);
  EXPECT_EQ(
      printed,
      "{\"signature\": 7, \"highest\": [99, 1, 0, 0], \"record\": {\"flags\": [3, 24], "
      "\"attributes\": [100, 0, 0, 5, 6, 0, 0, 0, 0, 0, 0, 0], \"name\": \"\", "
      "\"market\": [0, 0, 0, 0, 0], \"groups\": ["
      "{\"dims\": [1, 1, 32, 1, 1, 1, 1, 1], \"sprites\": [7], \"animator\": null}, "
      "{\"dims\": [1, 1, 32, 1, 1, 1, 1, 2], \"sprites\": [8, 9], \"animator\": "
      "{\"mode_zero\": true, \"loops\": 3, \"start\": 1, \"durations\": [[10, 20], [30, 30]]}}"
      "]}}\n");

  ASSERT_EQ(Run({path}), 0);
  EXPECT_EQ(printed, "{\"signature\": 7, \"highest\": [99, 1, 0, 0]}\n");
  ASSERT_EQ(Run({path, "--category", "missile", "--id", "5"}), 0);
  EXPECT_EQ(printed, "{\"signature\": 7, \"highest\": [99, 1, 0, 0], \"record\": null}\n");
}

TEST_F(AppearanceCommand, NamesAreEscapedAsJson) {
  writer.Set(Category::Item, 100, {.attributes = {Market(1, 2, 3, "say \"hi\"\\\xE9\n", 4, 5)}});
  writer.WriteTo(path);
  ASSERT_EQ(Run({path, "--category", "0", "--id", "100"}), 0);
  EXPECT_NE(printed.find("\"name\": \"say \\\"hi\\\"\\\\\\u00e9\\u000a\""), std::string::npos)
      << printed;
  EXPECT_NE(printed.find("\"market\": [1, 2, 3, 4, 5]"), std::string::npos) << printed;
}

TEST_F(AppearanceCommand, FilesThatDoNotParseAreErrors) {
  std::vector<uint8_t> bytes = writer.Bytes();
  bytes.pop_back();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  for (const std::string& file : {path, folder + "/missing.dat"}) {
    EXPECT_EQ(Run({file}), 1) << file;
    EXPECT_EQ(printed.rfind("{\"error\": \"", 0), 0u) << printed;
  }
}

TEST_F(AppearanceCommand, UsageErrors) {
  writer.WriteTo(path);
  const std::vector<std::vector<std::string>> wrong = {
      {}, {path, "--category", "1"}, {path, "--category", "4", "--id", "1"},
      {path, "--category", "1", "--id", "65536"}, {path, "--category", "1", "--id", "x"},
      {path, path}};
  for (const auto& words : wrong) {
    EXPECT_EQ(Run(words), 2) << (words.empty() ? "" : words.back());
    EXPECT_EQ(printed, "");
  }
}

}  // namespace
