// What the graphics objects record when the DLL's code has put a texture on
// the screen: the "Texture" draw call the native simulator records for the
// same GUI_Texture::Draw(surface, smooth, x, y, w, h), rebuilt from what the
// interface saw (the destination and rectangle, the filter, the pixels).
//
// The path (the native record's text) never reaches an interface, so it is
// left empty here.
#pragma once

#include <cstdint>
#include <optional>

#include "sim/sim_host.h"

namespace sim::dll_host::graphics {

// The host's renderer kinds, as the record's last argument names them.
enum class RendererKind : int32_t { DirectDraw = 0, OpenGL = 1, Direct3D9 = 2 };

struct TextureDraw {
  RendererKind kind = RendererKind::DirectDraw;
  int32_t surface = 0;
  int32_t smooth = 0;
  int32_t x = 0, y = 0, w = 0, h = 0;
  DrawnPicture picture;
};

// Appends the draw to the running scenario's frame.
void RecordTextureDraw(TextureDraw draw);

// Where records go: the host's draw list (draw_sink.cpp). A test program
// links its own.
void PushDraw(DrawCall call);

// ---- pictures read from the memory the DLL filled ------------------------------
// `width` x `height` pixels of 4 bytes, rows `pitch` bytes apart.
struct PixelRows {
  const uint8_t* bits = nullptr;
  int32_t pitch = 0;
  int32_t width = 0, height = 0;
};

// X8R8G8B8 (blue, green, red, unused in memory), blitted with a source
// colour key when one is given: a pixel whose colour lies in the key's range
// is not drawn (alpha 0), every other one is opaque.
struct ColourKeyRange {
  uint32_t low = 0, high = 0;
};
DrawnPicture PictureFromX8R8G8B8(const PixelRows& rows, std::optional<ColourKeyRange> key);

// A8R8G8B8 (blue, green, red, alpha in memory): the alpha as stored.
DrawnPicture PictureFromA8R8G8B8(const PixelRows& rows);

}  // namespace sim::dll_host::graphics
