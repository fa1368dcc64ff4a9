// Builds appearance files from records described by their content, so a
// test or a scenario says what a record is (flags, values, groups,
// animation) and the writer produces the bytes of both sections.
// Header-only: tests, benchmarks, the fuzz seeds and the scenario runner's
// `appearance` command use it.
#pragma once

#include <cstdint>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "host/appearance/appearance_parser.h"
#include "host/appearance/appearance_record.h"
#include "host/appearance/attribute_table.h"

namespace sim::appearance_file {

using appearance::Category;
using appearance::Encoding;

struct Animation {
  uint8_t mode = 1;
  uint32_t loops = 0;
  int8_t start = 0;
  // (min, max) per frame; empty: 100 ms for every frame.
  std::vector<std::pair<uint32_t, uint32_t>> durations;
};

struct Group {
  uint8_t type = 0;  // the group type byte of section-2 outfits
  uint8_t width = 1, height = 1, exactSize = 32, layers = 1;
  uint8_t patternX = 1, patternY = 1, patternZ = 1, frames = 1;
  // Written in section 2 when frames >= 2 (a default one when absent).
  std::optional<Animation> animation;
  // Empty: the ids 1, 2, ... N, so sprite id - 1 is the sprite's index.
  std::vector<uint32_t> sprites;

  uint64_t SpriteCount() const {
    return uint64_t{width} * height * layers * patternX * patternY * patternZ * frames;
  }
};

// An attribute by its number in the attribute table (after translation),
// with its data in file order. Raw attributes are written byte for byte in
// both sections, for tests of the translation itself.
struct Attribute {
  uint8_t number = 0;
  std::vector<uint16_t> values;
  std::string name;  // attribute 33: written after the third value
  bool raw = false;
};

inline Attribute Flag(uint8_t number) { return {number, {}, {}, false}; }
inline Attribute Values(uint8_t number, std::vector<uint16_t> values) {
  return {number, std::move(values), {}, false};
}
inline Attribute Market(uint16_t v0, uint16_t v1, uint16_t v2, std::string name, uint16_t v3,
                        uint16_t v4) {
  return {33, {v0, v1, v2, v3, v4}, std::move(name)};
}
inline Attribute Raw(uint8_t byte, std::vector<uint16_t> values = {}) {
  return {byte, std::move(values), "", true};
}

struct RecordSpec {
  std::vector<Attribute> attributes;
  // Section 2 outfits write every group; everything else writes group 0.
  std::vector<Group> groups = {Group{}};
  // When set, section 1 writes these attributes instead.
  std::optional<std::vector<Attribute>> section1Attributes;
};

class AppearanceFileWriter {
 public:
  uint32_t signature = 0x4E4C5251;
  // Section 1 and section 2 declare the same highest ids unless told.
  std::optional<std::vector<uint16_t>> section1Highest;

  // Sets a record; the category's highest id grows to cover it, and ids in
  // range that were never set are written as a plain one-sprite record.
  RecordSpec& Set(Category category, uint16_t id, RecordSpec spec = {}) {
    const int c = static_cast<int>(category);
    if (id > highest_[c]) highest_[c] = id;
    return records_[c][id] = std::move(spec);
  }
  void SetHighest(Category category, uint16_t highest) {
    highest_[static_cast<int>(category)] = highest;
  }

  std::vector<uint8_t> Bytes() const {
    std::vector<uint8_t> out;
    const std::vector<uint16_t> second(std::begin(highest_), std::end(highest_));
    const std::vector<uint16_t> first = section1Highest.value_or(second);
    U32(out, signature);
    for (uint16_t h : first) U16(out, h);
    WriteSection(out, Encoding::Section1, first);
    U32(out, 0);
    for (uint16_t h : second) U16(out, h);
    WriteSection(out, Encoding::Section2, second);
    return out;
  }

  void WriteTo(const std::string& path) const {
    const std::vector<uint8_t> bytes = Bytes();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }

  static void U8(std::vector<uint8_t>& out, uint8_t v) { out.push_back(v); }
  static void U16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(v & 0xFF);
    out.push_back(v >> 8);
  }
  static void U32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
  }

 private:
  // The raw byte that translates to `number`, or nothing when the encoding
  // cannot express it.
  static std::optional<uint8_t> Encode(Encoding encoding, uint8_t number) {
    for (int raw = 0; raw < 255; ++raw) {
      if (appearance::TranslateAttribute(encoding, static_cast<uint8_t>(raw)) == number) {
        return static_cast<uint8_t>(raw);
      }
    }
    return std::nullopt;
  }

  static void WriteAttribute(std::vector<uint8_t>& out, Encoding encoding, const Attribute& a) {
    std::optional<uint8_t> byte =
        a.raw ? std::optional<uint8_t>(a.number) : Encode(encoding, a.number);
    if (!byte) {
      if (encoding == Encoding::Section1) return;  // section 1 cannot say it: left out
      throw std::logic_error("attribute " + std::to_string(a.number) + " has no section-2 byte");
    }
    U8(out, *byte);
    for (size_t i = 0; i < a.values.size(); ++i) {
      if (a.number == 33 && !a.raw && i == 3) {
        U16(out, static_cast<uint16_t>(a.name.size()));
        out.insert(out.end(), a.name.begin(), a.name.end());
      }
      U16(out, a.values[i]);
    }
  }

  static void WriteGroup(std::vector<uint8_t>& out, Encoding encoding, const Group& g) {
    U8(out, g.width);
    U8(out, g.height);
    if (g.width > 1 || g.height > 1) U8(out, g.exactSize);
    for (uint8_t d : {g.layers, g.patternX, g.patternY, g.patternZ, g.frames}) U8(out, d);
    if (encoding == Encoding::Section2 && g.frames >= 2) {
      const Animation a = g.animation.value_or(Animation{});
      U8(out, a.mode);
      U32(out, a.loops);
      U8(out, static_cast<uint8_t>(a.start));
      for (uint8_t f = 0; f < g.frames; ++f) {
        const auto d =
            f < a.durations.size() ? a.durations[f] : std::pair<uint32_t, uint32_t>{100, 100};
        U32(out, d.first);
        U32(out, d.second);
      }
    }
    const uint64_t count = g.SpriteCount();
    for (uint64_t i = 0; i < count; ++i) {
      U32(out, g.sprites.empty() ? static_cast<uint32_t>(i + 1) : g.sprites.at(i));
    }
  }

  void WriteRecord(std::vector<uint8_t>& out, Encoding encoding, Category category,
                   const RecordSpec& r) const {
    const auto& attributes = encoding == Encoding::Section1 && r.section1Attributes
                                 ? *r.section1Attributes
                                 : r.attributes;
    for (const Attribute& a : attributes) WriteAttribute(out, encoding, a);
    U8(out, appearance::kAttributeEnd);
    if (encoding == Encoding::Section2 && category == Category::Outfit) {
      U8(out, static_cast<uint8_t>(r.groups.size()));
      for (const Group& g : r.groups) {
        U8(out, g.type);
        WriteGroup(out, encoding, g);
      }
      return;
    }
    WriteGroup(out, encoding, r.groups.at(0));
  }

  void WriteSection(std::vector<uint8_t>& out, Encoding encoding,
                    const std::vector<uint16_t>& highest) const {
    static const RecordSpec kPlain;
    for (int c = 0; c < appearance::kCategoryCount; ++c) {
      for (uint32_t id = c == 0 ? 100 : 1; id <= highest[c]; ++id) {
        const auto found = records_[c].find(static_cast<uint16_t>(id));
        WriteRecord(out, encoding, static_cast<Category>(c),
                    found != records_[c].end() ? found->second : kPlain);
      }
    }
  }

  uint16_t highest_[appearance::kCategoryCount] = {99, 0, 0, 0};
  std::map<uint16_t, RecordSpec> records_[appearance::kCategoryCount];
};

inline bool ParseBytes(const std::vector<uint8_t>& bytes, appearance::AppearanceStore& store) {
  appearance::BoundedReader reader(bytes.data(), bytes.size());
  return appearance::ParseAppearances(reader, store);
}

}  // namespace sim::appearance_file
