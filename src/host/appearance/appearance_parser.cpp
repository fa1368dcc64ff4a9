#include "host/appearance/appearance_parser.h"

#include <cstdint>
#include <cstring>
#include <span>

#include "host/appearance/animation.h"
#include "host/appearance/attribute_table.h"
#include "host/appearance/uniform_random.h"

namespace appearance {
namespace {

struct Header {
  uint32_t signature = 0;
  uint16_t highest[kCategoryCount] = {};
};

Header ReadHeader(BoundedReader& reader) {
  Header header;
  header.signature = reader.ReadU32();
  for (uint16_t& highest : header.highest) highest = reader.ReadU16();
  return header;
}

constexpr uint32_t FirstId(int category) { return category == 0 ? 100 : 1; }

// A random start frame (-1) or a start frame within the group's frames;
// any other value starts at frame 0.
uint32_t ResolveStartFrame(int8_t start, uint32_t frames) {
  if (start == -1) return UniformRandom(0, frames - 1);
  if (start < 0 || static_cast<uint32_t>(start) >= frames) return 0;
  return static_cast<uint32_t>(start);
}

FrameDuration NormalisedDuration(uint32_t min, uint32_t max) {
  const int32_t low = static_cast<int32_t>(min) < 0 ? 0 : static_cast<int32_t>(min);
  const int32_t high = static_cast<int32_t>(max) < low ? low : static_cast<int32_t>(max);
  return {static_cast<uint32_t>(low), static_cast<uint32_t>(high)};
}

}  // namespace

// Reads records in either encoding. Section-1 records go into a scratch
// record and keep nothing in the pools; section-2 records fill the store.
class StoreBuilder {
 public:
  StoreBuilder(AppearanceStore& store, BoundedReader& reader) : store_(store), reader_(reader) {}

  bool Parse() {
    store_.Clear();
    reader_.Rewind();
    const Header first = ReadHeader(reader_);
    store_.signature_ = first.signature;

    Record scratch;  // every field section 1 reads is written again for each record
    for (int c = 0; c < kCategoryCount; ++c) {
      for (uint32_t id = FirstId(c); id <= first.highest[c]; ++id) {
        if (!ReadRecord(Encoding::Section1, static_cast<Category>(c), scratch)) return false;
      }
    }

    const Header second = ReadHeader(reader_);
    // Every sprite id of section 2 is four bytes of what is left of the
    // file: the pool is sized for all of them once, and trimmed at the end.
    store_.sprites_.resize(reader_.Remaining() / 4);
    for (int c = 0; c < kCategoryCount; ++c) {
      std::vector<Record>& records = store_.records_[c];
      const uint32_t count = uint32_t{second.highest[c]} + 1;
      records.reserve(count);
      records.resize(FirstId(c) < count ? FirstId(c) : count);  // ids no record fills
      for (uint32_t id = FirstId(c); id < count; ++id) {
        if (!ReadRecord(Encoding::Section2, static_cast<Category>(c), records.emplace_back())) {
          return false;
        }
      }
    }
    if (reader_.Overran()) return false;
    store_.sprites_.resize(spritesUsed_);
    store_.loaded_ = true;
    return true;
  }

 private:
  bool Keep(Encoding encoding) const { return encoding == Encoding::Section2; }

  bool ReadRecord(Encoding encoding, Category category, Record& record) {
    if (!ReadAttributes(encoding, record)) return false;
    if (encoding == Encoding::Section2 && category == Category::Outfit) {
      if (!ReadOutfitGroups(record)) return false;
    } else if (!ReadGroup(encoding, record.groups[0])) {
      return false;
    }
    // A short file ends the parse here rather than after a long run of
    // records made of the zeros a reader yields past the end.
    return !reader_.Overran();
  }

  // Sets the record's flags and attributes from its attribute list (the
  // defaults where the list says nothing). Each attribute is decoded from
  // an eight-byte window: its flags, two u16 values stored whether it has
  // them or not (see RawAttribute), then the bytes it really has are
  // skipped. Only attributes 15 and 33 take a branch of their own.
  bool ReadAttributes(Encoding encoding, Record& record) {
    const RawAttributeTable& table =
        encoding == Encoding::Section1 ? kSection1Attributes : kSection2Attributes;
    uint16_t values[kDiscardSlot + 1] = {Record{}.attributes[0]};
    uint64_t flags = 0;
    bool ended = false;
    uint8_t scratch[8];
    for (uint32_t read = 0; read < kMaxAttributeBytes && !ended; ++read) {
      const uint8_t* p = reader_.Peek8(scratch);
      if (p[0] == kAttributeEnd) {
        reader_.Skip(1);
        ended = true;
        break;
      }
      const RawAttribute& attribute = table.bytes[p[0]];
      flags |= attribute.flags;
      values[attribute.slots[0]] = LoadU16(p + 1);
      values[attribute.slots[1]] = LoadU16(p + 3);
      reader_.Skip(1 + attribute.dataBytes);
      if (attribute.data == AttributeData::Market) {
        ReadMarket(encoding, record);
      } else if (attribute.data == AttributeData::FlagIfFlag13 && (flags >> 13 & 1) != 0) {
        flags |= uint64_t{1} << 15;
      }
    }
    std::memcpy(record.attributes, values, sizeof(record.attributes));
    record.flags = flags;
    return ended;  // false: 255 attribute bytes without the end byte
  }

  void ReadMarket(Encoding encoding, Record& record) {
    MarketEntry entry;
    for (int i = 0; i < 3; ++i) entry.values[i] = reader_.ReadU16();
    const uint16_t length = reader_.ReadU16();
    const std::string_view name = reader_.ReadBytes(length);
    for (int i = 3; i < kMarketValueCount; ++i) entry.values[i] = reader_.ReadU16();
    if (!Keep(encoding)) return;
    entry.nameOffset = static_cast<uint32_t>(store_.names_.size());
    entry.nameLength = static_cast<uint16_t>(name.size());
    store_.names_.insert(store_.names_.end(), name.begin(), name.end());
    record.market = static_cast<uint32_t>(store_.market_.size());
    store_.market_.push_back(entry);
  }

  // Section 2 outfits: a group count, then a type byte (0 or 1) before each
  // group, which goes to the frame group of that number. A single group of
  // type 1 is the outfit's only group: it is stored as group 0 and the
  // record gets flag 39.
  bool ReadOutfitGroups(Record& record) {
    const uint8_t count = reader_.ReadU8();
    for (uint8_t i = 0; i < count; ++i) {
      const uint8_t type = reader_.ReadU8();
      if (type >= kGroupCount) return false;
      const bool onlyGroup = count == 1 && type == 1;
      if (onlyGroup) record.SetFlag(39);
      if (!ReadGroup(Encoding::Section2, record.groups[onlyGroup ? 0 : type])) return false;
    }
    return true;
  }

  // Fills `group` from scratch: an outfit may name the same group type
  // twice, and nothing of the first (its animator above all) may outlive
  // the second.
  bool ReadGroup(Encoding encoding, FrameGroup& group) {
    group = FrameGroup{};
    uint8_t scratch[8];
    const uint8_t* p = reader_.Peek8(scratch);
    uint8_t* d = group.dims;
    d[kWidth] = p[0];
    d[kHeight] = p[1];
    const bool exactSize = p[0] > 1 || p[1] > 1;  // else d2 is 32 and not in the file
    d[kExactSize] = exactSize ? p[2] : 32;
    std::memcpy(d + kLayers, p + 2 + exactSize, kFrames - kLayers + 1);
    reader_.Skip(7 + exactSize);
    if (encoding == Encoding::Section2 && d[kFrames] >= 2) ReadAnimator(group);

    const uint64_t sprites = uint64_t{d[kWidth]} * d[kHeight] * d[kLayers] * d[kPatternX] *
                             d[kPatternY] * d[kPatternZ] * d[kFrames];
    if (sprites > kMaxGroupSprites) return false;
    group.present = true;
    group.spriteCount = static_cast<uint16_t>(sprites);
    if (!Keep(encoding) || reader_.Remaining() / 4 < sprites) {
      reader_.Skip(sprites * 4);  // a short file fails the parse after this record
      return true;
    }
    group.firstSprite = spritesUsed_;
    reader_.ReadU32Array(store_.sprites_.data() + spritesUsed_, sprites);
    spritesUsed_ += static_cast<uint32_t>(sprites);
    return true;
  }

  void ReadAnimator(FrameGroup& group) {
    const uint32_t frames = group.dims[kFrames];
    uint8_t scratch[8];
    const uint8_t* p = reader_.Peek8(scratch);
    Animator animator;
    animator.modeZero = p[0] == 0;
    animator.loops = LoadU32(p + 1);
    const auto start = static_cast<int8_t>(p[5]);
    reader_.Skip(6);
    animator.firstDuration = static_cast<uint32_t>(store_.durations_.size());
    animator.frameCount = frames;
    store_.durations_.resize(animator.firstDuration + frames);
    const std::span durations = std::span(store_.durations_).subspan(animator.firstDuration);
    for (FrameDuration& duration : durations) {
      p = reader_.Peek8(scratch);
      duration = NormalisedDuration(LoadU32(p), LoadU32(p + 4));
      reader_.Skip(8);
    }
    animator.startFrame = ResolveStartFrame(start, frames);
    DeriveTiming(animator, durations);
    group.animator = static_cast<uint32_t>(store_.animators_.size());
    store_.animators_.push_back(animator);
  }

  AppearanceStore& store_;
  BoundedReader& reader_;
  uint32_t spritesUsed_ = 0;
};

bool ParseAppearances(BoundedReader& reader, AppearanceStore& store) {
  bool parsed = false;
  try {
    parsed = StoreBuilder(store, reader).Parse();
  } catch (...) {
    parsed = false;  // an allocation failed: as bad as a broken file
  }
  if (!parsed) store.Clear();
  return parsed;
}

}  // namespace appearance
