// Texts that must stay inside a column or a window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gui {

// `text` when it is at most `room` pixels wide in `font`; else its longest
// start that fits with "..." after it (never a blank before the dots), or
// "" when not even that fits.
std::string FitText(int32_t font, const std::string& text, int32_t room);

// `text` broken into lines at most `room` pixels wide in `font`, nothing
// left out: a line ends at the last blank that lets it fit (that blank
// dropped), a word wider than a line is broken between characters. A text
// that fits, the empty one included, is its own single line.
std::vector<std::string> WrapText(int32_t font, const std::string& text, int32_t room);

// `text` broken into lines at blanks only: a line ends at the last blank
// that lets it fit (that blank dropped); a word wider than a line is never
// broken and stands on a line of its own, so such a line is wider than
// `room`. A text that fits, the empty one included, is its own single line.
std::vector<std::string> WrapAtBlanks(int32_t font, const std::string& text, int32_t room);

}  // namespace gui
