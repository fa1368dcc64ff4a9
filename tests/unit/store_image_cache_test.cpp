// The store's picture cache against the simulator's web server on
// 127.0.0.1: names that could leave the cache folder, and reports of an
// earlier store opening. Downloads, the cache and the pictures shown are
// the scenarios' business.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "features/store/image_cache.h"
#include "features/store/state.h"
#include "host/task_queue.h"
#include "sim/simulator.h"
#include "sim/web_server.h"

namespace store {
namespace {

// A 1 x 1 RGBA picture.
const std::string kPng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x01\x00\x00"
    "\x00\x01\x08\x06\x00\x00\x00\x1f\x15\xc4\x89\x00\x00\x00\x0d\x49\x44\x41\x54\x78\x9c\x63"
    "\x10\x50\x30\xf8\x0f\x00\x02\x04\x01\x60\x8d\xbc\xbb\x71\x00\x00\x00\x00\x49\x45\x4e\x44"
    "\xae\x42\x60\x82",
    70);

using Posted = std::vector<std::pair<int32_t, int32_t>>;
Posted posted;

// The store handler's part in it: every report is kept, a ready file reloads.
void Handler(int32_t code, int32_t value) {
  posted.push_back({code, value});
  if (code == kImageReadyCode) OnImageReady(static_cast<uint32_t>(value));
}

class StoreImageCache : public ::testing::Test {
 protected:
  void SetUp() override {
    host::RunMainThreadTasks();  // nothing left from other tests
    posted.clear();
    State().Reset();
    State().imageBaseUrl = web.BaseUrl() + "/images/store/";
    State().categories.reserve(16);  // the tests hold references to the records
    BeginImageSession();
  }
  void TearDown() override {
    Settle();
    EndImageSession();
    State().Reset();
  }

  // Every worker ended and every report handed to the handler.
  Posted Settle() {
    EXPECT_TRUE(simulator.WaitForWorkers());
    host::RunMainThreadTasks();
    return std::exchange(posted, {});
  }
  void Serve(const std::string& folder, const std::string& name, const std::string& body) {
    web.SetResponse("/images/store//" + folder + "/" + name, {200, body});
  }
  StoreCategory& AddCategory(const std::string& imageName) {
    StoreCategory& category = State().categories.emplace_back();
    FetchImage(category.image, imageName, ImageSize::Category, &Handler);
    return category;
  }

  sim::Simulator simulator;
  sim::WebServer web;
};

TEST_F(StoreImageCache, NamesThatCouldLeaveTheCacheFolderAreNotFetched) {
  for (const char* name :
       {"..\\..\\evil.png", "../evil.png", "C:evil.png", "a.png:stream", "..", "."}) {
    StoreCategory& category = AddCategory(name);
    EXPECT_EQ(category.image.path, "") << name;
    EXPECT_EQ(category.image.identifier, 0u) << name;
  }
  EXPECT_EQ(RegisteredImageCount(), 0u);
  EXPECT_TRUE(Settle().empty());
  EXPECT_TRUE(web.Requests().empty());
}

TEST_F(StoreImageCache, AReopenedStoreFetchesAgainAndIgnoresTheOldReports) {
  Serve("32", "icon.png", kPng);
  AddCategory("icon.png");
  Settle();
  const uint32_t oldId = State().categories[0].image.identifier;
  ASSERT_TRUE(ImageIsReady(oldId));

  EndImageSession();
  EXPECT_EQ(RegisteredImageCount(), 0u);
  EXPECT_FALSE(ImageIsReady(oldId));
  // A report that arrives after the close touches nothing.
  State().categories[0].image.texture.reset();
  OnImageReady(oldId);
  EXPECT_EQ(State().categories[0].image.texture, nullptr);
  EXPECT_FALSE(ImageIsReady(oldId));

  BeginImageSession();
  State().categories.clear();
  const StoreCategory& again = AddCategory("icon.png");
  EXPECT_GT(again.image.identifier, oldId);  // identifiers are never given twice
  EXPECT_EQ(RegisteredImageCount(), 1u);
  Settle();  // the file is in the cache now: shown at once, revalidated
  EXPECT_NE(again.image.texture, nullptr);
  EXPECT_EQ(web.Requests().size(), 2u);
}

}  // namespace
}  // namespace store
