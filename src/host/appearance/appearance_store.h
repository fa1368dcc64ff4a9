// The appearance store: four categories of records indexed by id, filled
// from the host's appearance file (appearance_parser.h) and read by the 49
// getters in the host's draw loop.
//
// Main thread only: LoadDataFiles fills it before the host draws anything,
// and every reader runs inside host calls on the same thread.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "host/appearance/appearance_record.h"

namespace appearance {

class AppearanceStore {
 public:
  // The record of (category, id), or null when the category is 4 or more or
  // the id is not below the category's record count.
  const Record* Find(Category category, uint16_t id) const {
    const auto c = static_cast<unsigned>(category);
    if (c >= kCategoryCount || id >= records_[c].size()) return nullptr;
    return &records_[c][id];
  }
  uint32_t RecordCount(Category category) const {
    const auto c = static_cast<unsigned>(category);
    return c < kCategoryCount ? static_cast<uint32_t>(records_[c].size()) : 0;
  }

  std::span<const uint32_t> Sprites(const FrameGroup& group) const {
    return {sprites_.data() + group.firstSprite, group.spriteCount};
  }
  const Animator* AnimatorOf(const FrameGroup& group) const {
    return group.animator == kNoAnimator ? nullptr : &animators_[group.animator];
  }
  std::span<const FrameDuration> Durations(const Animator& animator) const {
    return {durations_.data() + animator.firstDuration, animator.frameCount};
  }
  const MarketEntry* Market(const Record& record) const {
    return record.market == kNoMarket ? nullptr : &market_[record.market];
  }
  std::string_view Name(const Record& record) const {
    const MarketEntry* entry = Market(record);
    if (entry == nullptr) return {};
    return std::string_view(names_.data() + entry->nameOffset, entry->nameLength);
  }

  // Set once a parse succeeded; cleared when a new parse starts.
  bool Loaded() const { return loaded_; }
  // The signature of the file last parsed (its first 32-bit value).
  uint32_t Signature() const { return signature_; }

  // Empties every category and pool, keeping their capacity.
  void Clear();

 private:
  friend class StoreBuilder;

  std::vector<Record> records_[kCategoryCount];
  std::vector<uint32_t> sprites_;
  std::vector<Animator> animators_;
  std::vector<FrameDuration> durations_;
  std::vector<MarketEntry> market_;
  // Characters rather than a std::string, whose constructor not every
  // compiler we build with can run at compile time (see the constinit store).
  std::vector<char> names_;
  uint32_t signature_ = 0;
  bool loaded_ = false;
};

// The library's one store, read by the getters.
AppearanceStore& Store();

}  // namespace appearance
