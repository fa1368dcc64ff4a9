// Values of the status document's flat layout, found by scanning rather
// than parsing.
#pragma once

#include <string>

namespace web {

// The value after the first `"key":` of `document`: blanks and double
// quotes skipped, up to the first ',', '}' or '"' (or the end), cut before
// " Players" when that follows; "0" when the key does not occur.
std::string JsonFindValue(const std::string& document, const std::string& key);

}  // namespace web
