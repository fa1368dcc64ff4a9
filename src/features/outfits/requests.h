// The outfit window's request: the chosen look (211). The store button
// asks for the store with the shared store-open request.
#pragma once

#include <cstdint>

#include "gui/outfit_picture.h"

namespace outfits {

void RequestOutfit(const gui::Outfit& look, uint16_t mount);

}  // namespace outfits
