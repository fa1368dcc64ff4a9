// The DLL's three texture variants, call for call (backends/win32/
// win32_textures.cpp), made against the graphics objects through their
// virtual tables. The pixel work is the DLL's own (gui/texture/
// texture_pixels.cpp, compiled into this test program only), so a record
// that matches the host's picture shows the two sides agree.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/dll_host/graphics/shown_picture.h"

namespace sim::dll_host::graphics::test_calls {

// The renderer object the tests lay out, with InstallRendererDevices run on
// it.
uint32_t Renderer();

// GUI_TextureDX5: Create (video memory, then system memory) and Fill, or
// null when they fail; Draw blits it. Draw answers the last blit's result.
void* CreateDirectDrawTexture(const DecodedPicture& image);
bool FillDirectDrawTexture(void* surface, const DecodedPicture& image);
uint32_t DrawDirectDrawTexture(void* surface, int32_t target, int32_t x, int32_t y, int32_t w,
                               int32_t h);

// GUI_TextureDX9: Upload, or null; Draw.
void* UploadDirect3DTexture(const DecodedPicture& image);
void DrawDirect3DTexture(void* texture, int32_t surface, uint8_t smooth, int32_t x, int32_t y,
                         int32_t w, int32_t h);

// GUI_TextureOGL: Upload (answers the name, 0 on failure); Draw.
uint32_t UploadOpenGlTexture(const DecodedPicture& image, uint8_t smooth);
void DrawOpenGlTexture(uint32_t name, int32_t surface, int32_t x, int32_t y, int32_t w, int32_t h);

}  // namespace sim::dll_host::graphics::test_calls
