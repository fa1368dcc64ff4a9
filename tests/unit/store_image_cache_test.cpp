// The store's picture cache against the simulator's web server on
// 127.0.0.1: the cache paths and URLs, one download per path and opening,
// the ready list, cached files shown at once, files that do not decode and
// names that could leave the cache folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
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
  std::string Cached(const std::string& folder, const std::string& name) const {
    return simulator.folders().data + "/ImageCache/" + folder + "/" + name;
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

TEST_F(StoreImageCache, DownloadsIntoTheCacheAndLoadsWhenTheFileIsReady) {
  const std::string data = simulator.folders().data;
  for (const char* folder : {"/ImageCache", "/ImageCache/32", "/ImageCache/64"}) {
    EXPECT_TRUE(std::filesystem::is_directory(data + folder)) << folder;
  }
  Serve("32", "sword.png", kPng);
  Serve("64", "sword.png", kPng);
  AddCategory("sword.png");
  StoreOffer& offer = State().offers.emplace_back();
  FetchImage(offer.image, "sword.png", ImageSize::Offer, &Handler);

  const StoreImage& category = State().categories[0].image;
  EXPECT_EQ(category.path, data + "\\ImageCache\\32\\sword.png");
  EXPECT_EQ(offer.image.path, data + "\\ImageCache\\64\\sword.png");
  EXPECT_NE(category.identifier, 0u);
  EXPECT_NE(category.identifier, offer.image.identifier);  // one identifier per path
  EXPECT_EQ(RegisteredImageCount(), 2u);
  EXPECT_EQ(category.texture, nullptr);  // nothing before the file is there

  const uint32_t id = offer.image.identifier;
  Posted reports = Settle();  // the two workers end in either order
  std::sort(reports.begin(), reports.end());
  const auto categoryId = static_cast<int32_t>(category.identifier);
  const auto offerId = static_cast<int32_t>(id);
  EXPECT_EQ(reports, (Posted{{kImageReadyCode, std::min(categoryId, offerId)},
                             {kImageReadyCode, std::max(categoryId, offerId)},
                             {kImageFinishedCode, std::min(categoryId, offerId)},
                             {kImageFinishedCode, std::max(categoryId, offerId)}}));
  // The base's final '/' and the folder's make two slashes; sent as built.
  std::vector<std::string> requests = web.Requests();
  std::sort(requests.begin(), requests.end());
  EXPECT_EQ(requests, (std::vector<std::string>{"/images/store//32/sword.png",
                                                "/images/store//64/sword.png"}));
  EXPECT_TRUE(ImageIsReady(id));
  EXPECT_NE(category.texture, nullptr);
  ASSERT_NE(offer.image.texture, nullptr);
  EXPECT_EQ(offer.image.texture->path, offer.image.path);
  std::ifstream file(Cached("64", "sword.png"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), kPng);
}

TEST_F(StoreImageCache, OnePathIsFetchedOnceAndEveryRecordOfItGetsThePicture) {
  Serve("32", "shared.png", kPng);
  AddCategory("shared.png");
  AddCategory("shared.png");
  const StoreCategory& first = State().categories[0];
  const StoreCategory& second = State().categories[1];
  EXPECT_EQ(first.image.identifier, second.image.identifier);
  EXPECT_EQ(RegisteredImageCount(), 1u);
  Settle();
  EXPECT_EQ(web.Requests().size(), 1u);
  EXPECT_NE(first.image.texture, nullptr);
  EXPECT_NE(second.image.texture, nullptr);

  // Once ready, a further record of the path loads at once, without a worker.
  const StoreCategory& third = AddCategory("shared.png");
  EXPECT_NE(third.image.texture, nullptr);
  EXPECT_TRUE(Settle().empty());
  EXPECT_EQ(web.Requests().size(), 1u);
}

TEST_F(StoreImageCache, CachedFileShowsAtOnceAndIsRevalidated) {
  std::ofstream(Cached("32", "cached.png"), std::ios::binary) << kPng;
  Serve("32", "cached.png", kPng);  // the same size: kept
  const StoreCategory& category = AddCategory("cached.png");
  const auto id = static_cast<int32_t>(category.image.identifier);
  const Posted reports = Settle();
  EXPECT_NE(category.image.texture, nullptr);
  // Reported ready once, finished by this call and by the revalidation.
  EXPECT_EQ(std::count(reports.begin(), reports.end(), std::pair{kImageReadyCode, id}), 1);
  EXPECT_EQ(std::count(reports.begin(), reports.end(), std::pair{kImageFinishedCode, id}), 2);
  EXPECT_EQ(web.Requests(), (std::vector<std::string>{"/images/store//32/cached.png"}));
}

TEST_F(StoreImageCache, FilesThatDoNotDecodeOrDoNotArriveLeaveNoPicture) {
  Serve("32", "broken.png", "not a picture");
  const StoreCategory& broken = AddCategory("broken.png");
  const StoreCategory& missing = AddCategory("missing.png");  // 404
  std::filesystem::create_directory(Cached("32", "folder.png"));
  const StoreCategory& folder = AddCategory("folder.png");  // a folder is no cached file
  Settle();
  EXPECT_TRUE(ImageIsReady(broken.image.identifier));
  EXPECT_EQ(broken.image.texture, nullptr);
  EXPECT_FALSE(ImageIsReady(missing.image.identifier));
  EXPECT_EQ(missing.image.texture, nullptr);
  EXPECT_FALSE(ImageIsReady(folder.image.identifier));
  EXPECT_EQ(folder.image.texture, nullptr);
  EXPECT_TRUE(std::filesystem::is_directory(Cached("32", "folder.png")));  // never replaced

  // A picture that replaces the broken file is loaded by the next report.
  std::ofstream(Cached("32", "broken.png"), std::ios::binary | std::ios::trunc) << kPng;
  OnImageReady(broken.image.identifier);
  EXPECT_NE(broken.image.texture, nullptr);
}

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
