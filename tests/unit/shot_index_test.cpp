#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "sim/render/shot_index.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ShotIndex, ListsPicturesInTheOrderTakenWithCaptionsEscaped) {
  const std::string page = sim::ShotIndexPage({{"b.png", "Second <b> & \"quoted\""},
                                               {"a.png", "First"}});
  const size_t second = page.find("<img src=\"b.png\"");
  const size_t first = page.find("<img src=\"a.png\"");
  ASSERT_NE(second, std::string::npos);
  ASSERT_NE(first, std::string::npos);
  EXPECT_LT(second, first);
  EXPECT_NE(page.find("<figcaption>Second &lt;b&gt; &amp; &quot;quoted&quot;</figcaption>"),
            std::string::npos);
  EXPECT_EQ(page.find("<b>"), std::string::npos);
}

TEST(ShotIndex, APictureTakenAgainKeepsItsPlaceAndTakesTheNewCaption) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("quorlan-shot-index-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  ASSERT_TRUE(sim::AddToShotIndex(folder.string(), {"one.png", "The first"}));
  ASSERT_TRUE(sim::AddToShotIndex(folder.string(), {"two.png", "The second"}));
  ASSERT_TRUE(sim::AddToShotIndex(folder.string(), {"one.png", "The first, again"}));
  const std::string page = ReadFile(folder / "index.html");
  EXPECT_EQ(page, sim::ShotIndexPage({{"one.png", "The first, again"}, {"two.png", "The second"}}));
  EXPECT_FALSE(std::filesystem::exists(folder / "index.html.new"));
  std::filesystem::remove_all(folder);
}

}  // namespace
