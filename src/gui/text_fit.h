// Texts that must stay inside a column or a window.
#pragma once

#include <cstdint>
#include <string>

namespace gui {

// `text` when it is at most `room` pixels wide in `font`; else its longest
// start that fits with "..." after it (never a blank before the dots), or
// "" when not even that fits.
std::string FitText(int32_t font, const std::string& text, int32_t room);

}  // namespace gui
