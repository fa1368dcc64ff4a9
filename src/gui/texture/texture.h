// Pictures the host has no graphics for (the store's offer images), drawn by
// the library itself through the graphics interface the host uses at the
// moment: DirectDraw 7, OpenGL or Direct3D 9.
//
// A texture is one PNG file. Nothing is read until the texture is first
// decoded (by its owner, to know whether there is a picture at all, or by
// its first draw); the file is decoded once in the texture's life, and the
// pixels are kept for uploading again (a lost DirectDraw surface). A file
// that does not decode, or a picture larger than kMaxTextureSide either way,
// is never decoded again: the texture draws nothing. Every later frame draws
// it as one scaled rectangle. Alpha is binary: a pixel whose alpha is not
// 255 is fully transparent, every other one fully opaque.
//
// The variants for the three interfaces exist only in the DLL; the simulator
// has one of its own. Each installs its factory with SetTextureFactory.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "gui/texture/png_image.h"

class GUI_Texture {
 public:
  explicit GUI_Texture(std::string path) : path(std::move(path)) {}
  GUI_Texture(const GUI_Texture&) = delete;
  GUI_Texture& operator=(const GUI_Texture&) = delete;

  // Virtual slot 0. Draws the picture scaled to the rectangle (x, y, w, h)
  // of host drawing surface `surface` (the toolkit's is 1); `smooth` asks
  // for linear rather than nearest filtering where the interface offers a
  // choice. The first call decodes and uploads; while that fails, each call
  // draws nothing and the next one tries again.
  virtual void Draw(int32_t surface, uint8_t smooth, int32_t x, int32_t y, int32_t w,
                    int32_t h) = 0;
  virtual ~GUI_Texture() = default;

  // Decodes the file on the first call; every call answers whether it
  // decoded. Main thread.
  bool Decode();

  std::string path;  // the PNG file

 protected:
  // The decoded picture. REQUIRES: Decode() answered true.
  const gui::DecodedImage& Picture() const { return *picture_; }

 private:
  bool decoded_ = false;  // Decode ran: picture_ holds its result
  std::optional<gui::DecodedImage> picture_;
};

namespace gui {

// The host's renderer kind (a 32-bit host variable).
inline constexpr uint32_t kRendererKindVariable = 0x79DA6C;
enum class RendererKind : uint32_t { DirectDraw = 0, OpenGL = 1, Direct3D9 = 2 };

// Makes the texture variant for `kind` (one of the three above), with the
// path and nothing uploaded yet.
using TextureFactory = std::unique_ptr<GUI_Texture> (*)(RendererKind kind,
                                                        const std::string& path);

// Installed by the backend before the first texture is created.
void SetTextureFactory(TextureFactory factory);

// A texture of the variant for the host's current renderer kind; nothing
// for an unknown kind (or without a factory), in which case the caller
// draws no picture. The caller owns the texture; it must not be drawn after
// the host switched to another interface.
std::unique_ptr<GUI_Texture> CreateTexture(const std::string& path);

}  // namespace gui
