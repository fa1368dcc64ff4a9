// Whole numbers with their digits in groups of three.
#pragma once

#include <cstdint>
#include <string>

namespace protocol {

// The separator between groups of three digits: a comma, as in the grouped
// money texts (1234567 -> "1,234,567").
inline constexpr char kDigitGroupSeparator = ',';

// Decimal digits of `value`, grouped in threes from the right.
std::string GroupDigits(uint64_t value);

}  // namespace protocol
