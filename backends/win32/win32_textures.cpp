// The three texture variants. Everything they compute (pixel conversions,
// filters, vertices, the row copy, the wait loops) is in the core
// (gui/texture/texture_pixels.h); this file makes the graphics calls.
#include "win32_textures.h"

// windows.h first: the graphics headers need its declarations.
#include <windows.h>

#include <GL/gl.h>
#include <d3d9.h>
#include <ddraw.h>

#include <array>
#include <optional>
#include <utility>

#include "gui/texture/png_image.h"
#include "gui/texture/texture_pixels.h"
#include "host/host_functions.h"
#include "host_call.h"
#include "platform/platform.h"

namespace tx = gui::texture;

namespace {

// An object pointer the host's renderer object holds at `offset`.
template <typename T>
T* RendererField(uint32_t offset) {
  const uint32_t renderer = HostRenderer();
  if (renderer == 0) return nullptr;
  return reinterpret_cast<T*>(static_cast<uintptr_t>(host::Read<uint32_t>(renderer + offset)));
}

size_t PixelCount(const gui::DecodedImage& image) { return image.pixels.size() / 4; }

}  // namespace

// ---- DirectDraw 7 ----------------------------------------------------------------
// An off-screen surface blitted with the magenta source colour key; smooth
// has no effect. A lost surface is restored and refilled from the pixels
// decoded once; a surface that cannot hold them (a display mode of another
// depth) is tried again each frame without decoding again.
class GUI_TextureDX5 final : public GUI_Texture {
 public:
  using GUI_Texture::GUI_Texture;
  ~GUI_TextureDX5() override {
    if (surface_ != nullptr) surface_->Release();
  }

  void Draw(int32_t surface, uint8_t smooth, int32_t x, int32_t y, int32_t w, int32_t h) override {
    if (surface_ == nullptr && !Create()) return;
    if (surface_->IsLost() == DDERR_SURFACELOST) {
      const bool restored = tx::RestoreWhileLost(
          [this] { return surface_->IsLost() == DDERR_SURFACELOST; },
          [this] { surface_->Restore(); }, [](uint32_t ms) { platform::Get().Sleep(ms); });
      if (!restored) return;  // still lost: the next frame tries again
      filled_ = false;
    }
    // A restored surface holds nothing until it is refilled.
    if (!filled_ && !(filled_ = Fill())) return;

    auto* target = RendererField<IDirectDrawSurface7>(tx::kRendererSurfacesOffset +
                                                      4 * static_cast<uint32_t>(surface));
    if (target == nullptr) return;
    RECT destination{x, y, x + w, y + h};
    tx::RetryWhileBusy(
        [&] {
          return static_cast<int32_t>(
              target->Blt(&destination, surface_, nullptr, DDBLT_KEYSRC | DDBLT_WAIT, nullptr));
        },
        static_cast<int32_t>(DDERR_WASSTILLDRAWING),
        [](uint32_t ms) { platform::Get().Sleep(ms); });
  }

 private:
  bool Create() {
    if (!Decode()) return false;
    const gui::DecodedImage& image = Picture();
    auto* directDraw = RendererField<IDirectDraw7>(tx::kRendererDirectDrawOffset);
    if (directDraw == nullptr) return false;
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.dwWidth = static_cast<DWORD>(image.width);
    desc.dwHeight = static_cast<DWORD>(image.height);
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_VIDEOMEMORY;
    IDirectDrawSurface7* created = nullptr;
    HRESULT result = directDraw->CreateSurface(&desc, &created, nullptr);
    if (result == DDERR_OUTOFVIDEOMEMORY) {
      desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
      result = directDraw->CreateSurface(&desc, &created, nullptr);
    }
    if (FAILED(result) || created == nullptr) return false;
    DDCOLORKEY key{tx::kColourKey, tx::kColourKey};
    created->SetColorKey(DDCKEY_SRCBLT, &key);
    surface_ = created;
    filled_ = Fill();
    return filled_;
  }

  // Copies the decoded pixels, colour-keyed, into the surface.
  bool Fill() {
    gui::DecodedImage image = Picture();
    tx::ToColourKeyPixels(image.pixels.data(), PixelCount(image));
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof(desc);
    if (FAILED(surface_->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) return false;
    // The pixels are 32-bit X8R8G8B8; a surface in another format (a 16-bit
    // display mode) is left unfilled rather than overrun.
    const bool copied = desc.ddpfPixelFormat.dwRGBBitCount == 32 &&
                        desc.dwWidth == DWORD(image.width) &&
                        desc.dwHeight == DWORD(image.height) &&
                        tx::CopyRows(static_cast<uint8_t*>(desc.lpSurface), desc.lPitch,
                                     image.pixels.data(), image.width, image.height);
    surface_->Unlock(nullptr);
    return copied;
  }

  IDirectDrawSurface7* surface_ = nullptr;
  bool filled_ = false;
};

// ---- OpenGL ------------------------------------------------------------------------
// One texture name, uploaded as RGBA with the filter of the first draw.
class GUI_TextureOGL final : public GUI_Texture {
 public:
  using GUI_Texture::GUI_Texture;
  ~GUI_TextureOGL() override {
    if (name_ != 0) glDeleteTextures(1, &name_);
  }

  void Draw(int32_t surface, uint8_t smooth, int32_t x, int32_t y, int32_t w, int32_t h) override {
    if (name_ == 0 && !Upload(smooth)) return;
    const uint32_t renderer = HostRenderer();
    if (renderer == 0) return;
    win32::CallThiscall<void>(win32::VirtualSlot(renderer, tx::kRendererPrepareSurfaceSlot),
                              renderer, surface);
    // The host draws on after us with its own texture state.
    const GlTextureState hostState = SaveGlTextureState();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, name_);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glBegin(GL_QUADS);
    for (const tx::QuadCorner& corner : tx::GlQuad(x, y, w, h)) {
      glTexCoord2f(corner.u, corner.v);
      glVertex2i(corner.x, corner.y);
    }
    glEnd();
    glDisable(GL_BLEND);
    RestoreGlTextureState(hostState);
  }

 private:
  struct GlTextureState {
    GLboolean enabled;
    GLint bound;
  };
  static GlTextureState SaveGlTextureState() {
    GlTextureState state{glIsEnabled(GL_TEXTURE_2D), 0};
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &state.bound);
    return state;
  }
  static void RestoreGlTextureState(const GlTextureState& state) {
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(state.bound));
    if (state.enabled == GL_FALSE) glDisable(GL_TEXTURE_2D);
  }

  bool Upload(uint8_t smooth) {
    if (!Decode()) return false;
    gui::DecodedImage image = Picture();
    const GlTextureState hostState = SaveGlTextureState();
    glEnable(GL_TEXTURE_2D);
    GLuint name = 0;
    glGenTextures(1, &name);
    if (name == 0) {
      RestoreGlTextureState(hostState);
      return false;
    }
    glBindTexture(GL_TEXTURE_2D, name);
    const auto filter = static_cast<GLint>(tx::GlFilter(smooth));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    tx::ToOpenGlPixels(image.pixels.data(), PixelCount(image));
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width, image.height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, image.pixels.data());
    RestoreGlTextureState(hostState);
    name_ = name;
    return true;
  }

  GLuint name_ = 0;
};

// ---- Direct3D 9 ----------------------------------------------------------------------
// A managed A8R8G8B8 texture (blue, green, red, alpha in memory: the decoded
// order) drawn as a pre-transformed strip.
class GUI_TextureDX9 final : public GUI_Texture {
 public:
  using GUI_Texture::GUI_Texture;
  ~GUI_TextureDX9() override {
    if (texture_ != nullptr) texture_->Release();
  }

  void Draw(int32_t surface, uint8_t smooth, int32_t x, int32_t y, int32_t w, int32_t h) override {
    auto* device = RendererField<IDirect3DDevice9>(tx::kRendererDeviceOffset);
    if (device == nullptr) return;
    if (texture_ == nullptr && !Upload(device)) return;

    const std::array<tx::ScreenVertex, 4> strip = tx::VertexStrip(x, y, w, h);
    // The host's setup also selects the vertex format of these vertices.
    win32::CallCdecl<void>(tx::kRenderStateSetup, surface, tx::kRenderStateArguments[0],
                           tx::kRenderStateArguments[1], tx::kRenderStateArguments[2],
                           tx::kRenderStateArguments[3], tx::kRenderStateArguments[4],
                           tx::kRenderStateArguments[5], tx::kRenderStateArguments[6],
                           tx::kRenderStateArguments[7], tx::kRenderStateArguments[8]);
    device->SetTexture(0, texture_);
    DWORD minFilter = 0, magFilter = 0;
    device->GetSamplerState(0, D3DSAMP_MINFILTER, &minFilter);
    device->GetSamplerState(0, D3DSAMP_MAGFILTER, &magFilter);
    const DWORD filter = tx::D3dFilter(smooth);
    device->SetSamplerState(0, D3DSAMP_MINFILTER, filter);
    device->SetSamplerState(0, D3DSAMP_MAGFILTER, filter);
    device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, strip.data(), sizeof(tx::ScreenVertex));
    device->SetSamplerState(0, D3DSAMP_MINFILTER, minFilter);
    device->SetSamplerState(0, D3DSAMP_MAGFILTER, magFilter);
  }

 private:
  bool Upload(IDirect3DDevice9* device) {
    if (!Decode()) return false;
    gui::DecodedImage image = Picture();
    IDirect3DTexture9* created = nullptr;
    if (FAILED(device->CreateTexture(static_cast<UINT>(image.width),
                                     static_cast<UINT>(image.height), 1, 0, D3DFMT_A8R8G8B8,
                                     D3DPOOL_MANAGED, &created, nullptr)) ||
        created == nullptr) {
      return false;
    }
    // A managed texture is locked plainly: discarding is for dynamic ones.
    D3DLOCKED_RECT locked{};
    if (FAILED(created->LockRect(0, &locked, nullptr, 0))) {
      created->Release();
      return false;
    }
    tx::ClearNonOpaquePixels(image.pixels.data(), PixelCount(image));
    const bool copied = tx::CopyRows(static_cast<uint8_t*>(locked.pBits), locked.Pitch,
                                     image.pixels.data(), image.width, image.height);
    created->UnlockRect(0);
    if (!copied) {
      created->Release();
      return false;
    }
    texture_ = created;
    return true;
  }

  IDirect3DTexture9* texture_ = nullptr;
};

namespace win32 {

std::unique_ptr<GUI_Texture> CreateTexture(gui::RendererKind kind, const std::string& path) {
  switch (kind) {
    case gui::RendererKind::DirectDraw: return std::make_unique<GUI_TextureDX5>(path);
    case gui::RendererKind::OpenGL: return std::make_unique<GUI_TextureOGL>(path);
    case gui::RendererKind::Direct3D9: return std::make_unique<GUI_TextureDX9>(path);
  }
  return nullptr;
}

}  // namespace win32
