// The DLL's texture variants: GUI_TextureDX5 (DirectDraw 7 surfaces),
// GUI_TextureOGL (OpenGL 1.x) and GUI_TextureDX9 (Direct3D 9), each drawing
// through the interface the host's renderer object holds.
#pragma once

#include <memory>
#include <string>

#include "gui/texture/texture.h"

namespace win32 {

// The texture factory DllMain installs (gui::SetTextureFactory).
std::unique_ptr<GUI_Texture> CreateTexture(gui::RendererKind kind, const std::string& path);

}  // namespace win32
