// Drawing state shared by the sprite hooks (sprite_hooks.cpp).
#pragma once

#include <cstdint>

namespace host {

// (a * b + 128) >> 8, from the table the sprite hooks build once.
uint8_t BlendProduct(uint8_t a, uint8_t b);

// The host renderer as the sprite hooks cached it.
uint32_t CachedRenderer();

}  // namespace host
