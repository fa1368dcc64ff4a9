// Texts that the host receives as 32-bit pointers and may keep (the tooltip
// of a host button lives as long as the button). They are copied once into
// host-addressable library storage and never move or change afterwards.
#pragma once

#include <string_view>

namespace host {

// A stable, zero-terminated, host-addressable copy of `text`; the same text
// always gets the same copy. When the storage is full the answer is the
// empty text, which is still a valid pointer for the host.
const char* HostText(std::string_view text);

// Tests: forget every stored text (earlier answers become dangling).
void ClearHostTextsForTests();

}  // namespace host
