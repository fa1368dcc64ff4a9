// How a fuzz input carries several server messages: the messages one after
// the other, separated by kMessageSeparator. A separator cannot occur inside
// a message, which rarely matters: the fuzzer can insert and remove bytes in
// one message without shifting the others, as it could not with length
// prefixes. The seed generator writes inputs in the same form.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace fuzz {

inline constexpr std::string_view kMessageSeparator = "\xFEMSG\xFE";

inline std::vector<std::vector<uint8_t>> SplitMessages(const uint8_t* data, size_t size) {
  std::vector<std::vector<uint8_t>> messages;
  const uint8_t* end = data + size;
  const auto* separator = reinterpret_cast<const uint8_t*>(kMessageSeparator.data());
  for (const uint8_t* start = data;;) {
    const uint8_t* stop =
        std::search(start, end, separator, separator + kMessageSeparator.size());
    messages.emplace_back(start, stop);
    if (stop == end) return messages;
    start = stop + kMessageSeparator.size();
  }
}

inline void AppendMessage(std::vector<uint8_t>& input, const std::vector<uint8_t>& message) {
  if (!input.empty()) input.insert(input.end(), kMessageSeparator.begin(), kMessageSeparator.end());
  input.insert(input.end(), message.begin(), message.end());
}

}  // namespace fuzz
