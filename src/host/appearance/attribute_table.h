// The attribute bytes of an appearance record: how each section's encoding
// translates a byte, and what the translated attribute does to the record
// (flag bits set, data that follows).
#pragma once

#include <cstdint>

namespace appearance {

// The two record encodings of the file: section 1 (an older layout the
// library only checks) and section 2 (the one that fills the store).
enum class Encoding : uint8_t { Section1, Section2 };

inline constexpr uint8_t kAttributeEnd = 0xFF;

// The translated attribute number of a raw attribute byte.
//   section 1: 36 -> 35; 38..254 -> 36; the rest unchanged.
//   section 2: 16 -> 253; 17..254 -> value - 1; 0..15 unchanged.
constexpr uint8_t TranslateAttribute(Encoding encoding, uint8_t raw) {
  if (encoding == Encoding::Section1) {
    if (raw == 36) return 35;
    if (raw >= 38 && raw <= 254) return 36;
    return raw;
  }
  if (raw == 16) return 253;
  if (raw >= 17 && raw <= 254) return static_cast<uint8_t>(raw - 1);
  return raw;
}

// What follows an attribute in the file and where it goes.
enum class AttributeData : uint8_t {
  None,
  Values,        // `count` u16 values into attributes[first ...]
  Market,        // three u16, a name (u16 length and bytes), two u16
  FlagIfFlag13,  // no data; flag 15 is set only when flag 13 already is
};

struct AttributeEffect {
  uint64_t flags = 0;
  AttributeData data = AttributeData::None;
  uint8_t first = 0;  // first attribute slot (a0 .. a11) for Values
  uint8_t count = 0;  // number of u16 values for Values
};

// The effect of a translated attribute number (the attribute table).
constexpr AttributeEffect EffectOf(uint8_t attribute) {
  const auto flag = [](int bit) { return uint64_t{1} << bit; };
  const auto values = [&](int bit, uint8_t first, uint8_t count) {
    return AttributeEffect{flag(bit), AttributeData::Values, first, count};
  };
  switch (attribute) {
    case 0: return values(0, 0, 1);
    case 8: return values(8, 1, 1);
    case 9: return values(9, 2, 1);
    case 15: return {0, AttributeData::FlagIfFlag13};
    case 21: return values(21, 5, 2);
    case 24: return values(24, 3, 2);
    case 25: return values(25, 7, 1);
    case 28: return values(28, 8, 1);
    case 29: return values(29, 9, 1);
    case 32: return values(32, 10, 1);
    case 33: return {flag(33), AttributeData::Market};
    case 34: return values(34, 11, 1);
    case 252: return {flag(38)};
    case 253: return {flag(27) | flag(39)};
    case 254: return {flag(40)};
    default:
      if (attribute <= 37) return {flag(attribute)};
      return {};
  }
}

// What the parser does for one raw byte of one encoding, translation
// included, laid out so that plain attributes need no branch: every
// attribute stores two u16 values (a slot of kDiscardSlot throws one away)
// and then skips the `dataBytes` it really has.
inline constexpr uint8_t kDiscardSlot = 12;  // one past a11

struct RawAttribute {
  uint64_t flags = 0;
  uint8_t slots[2] = {kDiscardSlot, kDiscardSlot};
  uint8_t dataBytes = 0;
  AttributeData data = AttributeData::None;
};

struct RawAttributeTable {
  RawAttribute bytes[256];
};

constexpr RawAttribute Decoded(const AttributeEffect& effect) {
  RawAttribute raw;
  raw.flags = effect.flags;
  raw.data = effect.data;
  if (effect.data != AttributeData::Values) return raw;
  for (uint8_t i = 0; i < effect.count; ++i) raw.slots[i] = static_cast<uint8_t>(effect.first + i);
  raw.dataBytes = static_cast<uint8_t>(2 * effect.count);
  return raw;
}

constexpr RawAttributeTable MakeRawAttributeTable(Encoding encoding) {
  RawAttributeTable table{};
  for (int raw = 0; raw < 256; ++raw) {
    if (raw == kAttributeEnd) continue;
    table.bytes[raw] = Decoded(EffectOf(TranslateAttribute(encoding, static_cast<uint8_t>(raw))));
  }
  return table;
}

inline constexpr RawAttributeTable kSection1Attributes = MakeRawAttributeTable(Encoding::Section1);
inline constexpr RawAttributeTable kSection2Attributes = MakeRawAttributeTable(Encoding::Section2);

}  // namespace appearance
