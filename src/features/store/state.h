// What the library holds of the store: the values message 251 sets, the
// categories of the last 251, the offers of the last 252, the history page
// of the last 253, and the view the window shows. Main-thread data, one
// instance for the process; the image workers never touch it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/texture/texture.h"

namespace store {

// How a record is marked: its name colour and its badge.
enum Highlight : uint8_t { kPlain = 0, kNew = 1, kSale = 2, kMarked = 3 };

// A record's picture: the cache file it comes from, the identifier of the
// download that brings it, and the texture once the file is known to be
// there. No texture: nothing is drawn for the record.
struct StoreImage {
  std::string path;
  uint32_t identifier = 0;
  std::unique_ptr<GUI_Texture> texture;
};

struct StoreCategory {
  std::string name;
  std::string description;
  std::string imageName;   // the chosen icon, "empty.png" when none
  std::string parentName;  // kept, not shown
  uint8_t highlight = kPlain;
  StoreImage image;  // 32-pixel folder
};

struct StoreSubOffer {
  std::string name;
  std::string description;
  std::string imageName;
  std::string parentId;
  StoreImage image;  // 64-pixel folder
};

struct StoreOffer {
  uint32_t id = 0;
  std::string name;
  std::string description;
  uint32_t price = 0;
  std::string priceText;
  uint8_t highlight = kPlain;
  uint32_t saleEnd = 0;  // seconds; only for kSale
  std::string saleEndText;
  uint32_t basePrice = 0;  // the price before the sale; only for kSale
  std::string basePriceText;
  bool disabled = false;
  std::string disabledReason;
  std::string imageName;
  std::vector<StoreSubOffer> subOffers;
  StoreImage image;  // 64-pixel folder
};

struct HistoryRow {
  std::string date;  // "%Y-%m-%d, %H:%M:%S", empty for time 0
  int32_t change = 0;
  std::string changeText;  // "+5" for changes >= 0, "-5" otherwise
  std::string description;
};

enum class ViewMode : uint8_t { Offers = 0, History = 1 };

struct StoreState {
  uint16_t packageSize = 25;  // the gifting step
  std::string imageBaseUrl;   // empty: the operator's store-image endpoint
  uint8_t firstIconFlag = 0;
  std::vector<StoreCategory> categories;
  std::string offersCategory;  // the category message 252 named
  std::vector<StoreOffer> offers;
  uint32_t historyPage = 0;
  uint32_t historyPages = 1;  // 0 on the wire is read as 1
  std::vector<HistoryRow> history;
  ViewMode view = ViewMode::Offers;

  // Leaving the game: everything back to its initial value.
  void Reset();
};

StoreState& State();

// The base the image URLs are built on: the server's, or the operator's
// store-image endpoint before the server sent one.
std::string ImageBaseUrl();

}  // namespace store
