// Saving a rendered frame as a PNG file.
#pragma once

#include <string>

#include "sim/render/framebuffer.h"

namespace sim {

// Writes the picture as an 8-bit RGBA PNG. The file is written beside the
// target under a temporary name and renamed over it, so `path` is either
// the old file or the complete new one, never a half-written one. False
// (and no file left behind) on any failure, including an empty picture.
bool WritePng(const Framebuffer& fb, const std::string& path);

}  // namespace sim
