// The text of OnCallSite55A147 (the host's formatted print of "%d" values
// such as the experience shown in its skills panel).
#pragma once

#include <cstdint>
#include <string>

namespace protocol {

// What "%d" of `value` prints: the whole 64-bit `experience` (grouped)
// when `value` equals its low 32 bits, since the host only knows that low
// word; otherwise `value` itself, grouped from 1000 up.
std::string ExperienceAwareNumber(int32_t value, uint64_t experience);

}  // namespace protocol
