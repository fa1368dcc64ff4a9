// The library's entries in the host's context menu: mounting and
// dismounting on a creature, wrapping and unwrapping on an item.
#pragma once

#include <cstdint>

namespace enhancements {

inline constexpr int32_t kMountCommand = 0x1000;
inline constexpr int32_t kDismountCommand = 0x1001;
inline constexpr int32_t kWrapCommand = 0x1002;
inline constexpr int32_t kUnwrapCommand = 0x1003;

// Takes over the two entry sites and registers the four commands. Called
// once at attach.
void InstallContextMenu();

}  // namespace enhancements
