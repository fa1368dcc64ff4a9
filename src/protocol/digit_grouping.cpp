#include "protocol/digit_grouping.h"

namespace protocol {

std::string GroupDigits(uint64_t value) {
  const std::string digits = std::to_string(value);
  std::string grouped;
  grouped.reserve(digits.size() + digits.size() / 3);
  for (size_t i = 0; i < digits.size(); ++i) {
    // A separator before every digit that starts a group of three.
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += kDigitGroupSeparator;
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace protocol
