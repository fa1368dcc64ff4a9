// Case-insensitive matching of the texts the windows show: server texts are
// single-byte, so only the ASCII letters change case.
#pragma once

#include <string>

namespace gui {

// `text` with A..Z turned into a..z; every other byte as it is.
std::string LowerCase(std::string text);

}  // namespace gui
