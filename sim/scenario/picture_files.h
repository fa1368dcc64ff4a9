// The pictures a scenario names by file: which of the scenario's files a
// texture draw shows. The host decodes the file itself and compares what
// the renderer kind in use would show of it with the pixels the draw put on
// the screen, so the answer does not depend on what the library tells the
// host (the simulator's texture draw names its file; the real DLL's blits
// name nothing).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/sim_host.h"

namespace sim::scenario {

// What renderer kind `kind` (0 DirectDraw, 1 OpenGL, 2 Direct3D 9) shows of
// the PNG file at `path`: red, green, blue and alpha 0 or 255, with every
// transparent pixel all zero. Nothing when the file does not decode.
std::optional<DrawnPicture> ShownPictureOfFile(const std::string& path, uint32_t kind);

// `picture` with every transparent pixel made all zero (what is on the
// screen is the same whatever colour a transparent pixel carried).
DrawnPicture Normalized(const DrawnPicture& picture);

// Every file below `folders` whose name (the part after the last '/') is
// `name`, in sorted order.
std::vector<std::string> FilesNamed(const std::vector<std::string>& folders,
                                    const std::string& name);

}  // namespace sim::scenario
