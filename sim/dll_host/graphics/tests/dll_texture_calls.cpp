#include "sim/dll_host/graphics/tests/dll_texture_calls.h"

#include <array>
#include <cstring>
#include <string_view>

#include "gui/texture/texture_pixels.h"
#include "host/host_memory.h"
#include "sim/dll_host/graphics/com_interfaces.h"
#include "sim/dll_host/graphics/direct3d9.h"
#include "sim/dll_host/graphics/direct_draw.h"
#include "sim/dll_host/graphics/opengl_context.h"
#include "sim/dll_host/graphics/renderer_devices.h"
#include "sim/dll_host/graphics/tests/test_session.h"
#include "sim/dll_host/win32/import_table.h"

namespace sim::dll_host::graphics::test_calls {
namespace tx = gui::texture;
using test::CallSlot;

namespace {

size_t Slot(const auto& interface, std::string_view method) { return SlotOf(interface, method); }

void* Field(uint32_t offset) { return host::Pointer(host::Read<uint32_t>(Renderer() + offset)); }

// An OPENGL32 import as the loader binds it.
template <typename R, typename... Args>
R Gl(std::string_view name, Args... args) {
  for (const ImportSymbol& symbol : OpenGl32Symbols()) {
    if (name == symbol.name) {
      using Function = R(__attribute__((stdcall))*)(Args...);
      return reinterpret_cast<Function>(symbol.address)(args...);
    }
  }
  throw test::ScenarioFailed("no OPENGL32 import " + std::string(name));
}

struct GlTextureState {
  uint8_t enabled;
  int32_t bound;
};
GlTextureState SaveGl() {
  GlTextureState state{Gl<uint8_t>("glIsEnabled", gl::kTexture2D), 0};
  Gl<void>("glGetIntegerv", gl::kTextureBinding2D, &state.bound);
  return state;
}
void RestoreGl(const GlTextureState& state) {
  Gl<void>("glBindTexture", gl::kTexture2D, uint32_t(state.bound));
  if (state.enabled == 0) Gl<void>("glDisable", gl::kTexture2D);
}

}  // namespace

uint32_t Renderer() {
  static const uint32_t renderer = [] {
    static std::array<uint8_t, 0x400> object{};
    const uint32_t address = host::AddressOf(object.data());
    InstallRendererDevices(address);
    return address;
  }();
  return renderer;
}

void* CreateDirectDrawTexture(const DecodedPicture& image) {
  void* directDraw = Field(tx::kRendererDirectDrawOffset);
  DdSurfaceDesc2 desc{};
  desc.size = sizeof desc;
  desc.flags = kDdsdCaps | kDdsdWidth | kDdsdHeight;
  desc.width = uint32_t(image.width);
  desc.height = uint32_t(image.height);
  desc.caps[0] = kCapsOffscreenPlain | kCapsVideoMemory;
  void* created = nullptr;
  const size_t create = Slot(kDirectDraw7, "CreateSurface");
  uint32_t result = CallSlot(directDraw, create, &desc, &created, nullptr);
  if (result == kDdErrOutOfVideoMemory) {
    desc.caps[0] = kCapsOffscreenPlain | kCapsSystemMemory;
    result = CallSlot(directDraw, create, &desc, &created, nullptr);
  }
  if (result != kOk || created == nullptr) return nullptr;
  ColourKey key{tx::kColourKey, tx::kColourKey};
  CallSlot(created, Slot(kDirectDrawSurface7, "SetColorKey"), kKeySrcBlt, &key);
  return created;
}

bool FillDirectDrawTexture(void* surface, const DecodedPicture& image) {
  std::vector<uint8_t> pixels = image.bgra;
  tx::ToColourKeyPixels(pixels.data(), pixels.size() / 4);
  DdSurfaceDesc2 desc{};
  desc.size = sizeof desc;
  if (CallSlot(surface, Slot(kDirectDrawSurface7, "Lock"), nullptr, &desc, kLockWait, 0u) != kOk) {
    return false;
  }
  const bool copied = desc.pixelFormat.rgbBitCount == 32 && desc.width == uint32_t(image.width) &&
                      desc.height == uint32_t(image.height) &&
                      tx::CopyRows(static_cast<uint8_t*>(host::Pointer(desc.surface)), desc.pitch,
                                   pixels.data(), image.width, image.height);
  CallSlot(surface, Slot(kDirectDrawSurface7, "Unlock"), nullptr);
  return copied;
}

uint32_t DrawDirectDrawTexture(void* surface, int32_t target, int32_t x, int32_t y, int32_t w,
                               int32_t h) {
  if (CallSlot(surface, Slot(kDirectDrawSurface7, "IsLost")) == kDdErrSurfaceLost) {
    const bool restored = tx::RestoreWhileLost(
        [&] { return CallSlot(surface, Slot(kDirectDrawSurface7, "IsLost")) == kDdErrSurfaceLost; },
        [&] { CallSlot(surface, Slot(kDirectDrawSurface7, "Restore")); }, [](uint32_t) {});
    if (!restored) return kDdErrSurfaceLost;
  }
  void* destination = Field(tx::kRendererSurfacesOffset + 4 * uint32_t(target));
  Rect rect{x, y, x + w, y + h};
  return uint32_t(tx::RetryWhileBusy(
      [&] {
        return int32_t(CallSlot(destination, Slot(kDirectDrawSurface7, "Blt"), &rect, surface,
                                nullptr, kBltKeySrc | kBltWait, nullptr));
      },
      int32_t(kDdErrWasStillDrawing), [](uint32_t) {}));
}

void* UploadDirect3DTexture(const DecodedPicture& image) {
  void* device = Field(tx::kRendererDeviceOffset);
  void* created = nullptr;
  if (CallSlot(device, Slot(kDirect3DDevice9, "CreateTexture"), uint32_t(image.width),
               uint32_t(image.height), 1u, 0u, kD3dFormatA8R8G8B8, kD3dPoolManaged, &created,
               nullptr) != kOk ||
      created == nullptr) {
    return nullptr;
  }
  D3dLockedRect locked{};
  if (CallSlot(created, Slot(kDirect3DTexture9, "LockRect"), 0u, &locked, nullptr, 0u) != kOk) {
    CallSlot(created, Slot(kDirect3DTexture9, "Release"));
    return nullptr;
  }
  std::vector<uint8_t> pixels = image.bgra;
  tx::ClearNonOpaquePixels(pixels.data(), pixels.size() / 4);
  const bool copied = tx::CopyRows(static_cast<uint8_t*>(host::Pointer(locked.bits)), locked.pitch,
                                   pixels.data(), image.width, image.height);
  CallSlot(created, Slot(kDirect3DTexture9, "UnlockRect"), 0u);
  if (!copied) {
    CallSlot(created, Slot(kDirect3DTexture9, "Release"));
    return nullptr;
  }
  return created;
}

void DrawDirect3DTexture(void* texture, int32_t surface, uint8_t smooth, int32_t x, int32_t y,
                         int32_t w, int32_t h) {
  void* device = Field(tx::kRendererDeviceOffset);
  const std::array<tx::ScreenVertex, 4> strip = tx::VertexStrip(x, y, w, h);
  NoteRenderStateSetup(surface);  // what the host's function 0x534650 tells
  CallSlot(device, Slot(kDirect3DDevice9, "SetTexture"), 0u, texture);
  uint32_t minFilter = 0, magFilter = 0;
  const size_t get = Slot(kDirect3DDevice9, "GetSamplerState");
  const size_t set = Slot(kDirect3DDevice9, "SetSamplerState");
  CallSlot(device, get, 0u, kD3dSamplerMinFilter, &minFilter);
  CallSlot(device, get, 0u, kD3dSamplerMagFilter, &magFilter);
  const uint32_t filter = tx::D3dFilter(smooth);
  CallSlot(device, set, 0u, kD3dSamplerMinFilter, filter);
  CallSlot(device, set, 0u, kD3dSamplerMagFilter, filter);
  CallSlot(device, Slot(kDirect3DDevice9, "DrawPrimitiveUP"), kD3dTriangleStrip, 2u, strip.data(),
           uint32_t(sizeof(tx::ScreenVertex)));
  CallSlot(device, set, 0u, kD3dSamplerMinFilter, minFilter);
  CallSlot(device, set, 0u, kD3dSamplerMagFilter, magFilter);
}

uint32_t UploadOpenGlTexture(const DecodedPicture& image, uint8_t smooth) {
  std::vector<uint8_t> pixels = image.bgra;
  const GlTextureState host = SaveGl();
  Gl<void>("glEnable", gl::kTexture2D);
  uint32_t name = 0;
  Gl<void>("glGenTextures", 1, &name);
  if (name == 0) {
    RestoreGl(host);
    return 0;
  }
  Gl<void>("glBindTexture", gl::kTexture2D, name);
  const auto filter = int32_t(tx::GlFilter(smooth));
  Gl<void>("glTexParameteri", gl::kTexture2D, gl::kMinFilter, filter);
  Gl<void>("glTexParameteri", gl::kTexture2D, gl::kMagFilter, filter);
  Gl<void>("glTexParameteri", gl::kTexture2D, gl::kWrapS, int32_t(gl::kClamp));
  Gl<void>("glTexParameteri", gl::kTexture2D, gl::kWrapT, int32_t(gl::kClamp));
  tx::ToOpenGlPixels(pixels.data(), pixels.size() / 4);
  Gl<void>("glTexImage2D", gl::kTexture2D, 0, int32_t(gl::kRgba), image.width, image.height, 0,
           gl::kRgba, gl::kUnsignedByte, static_cast<const void*>(pixels.data()));
  RestoreGl(host);
  return name;
}

void DrawOpenGlTexture(uint32_t name, int32_t surface, int32_t x, int32_t y, int32_t w, int32_t h) {
  NoteSurfacePrepared(surface);  // what the renderer's slot 1 tells
  const GlTextureState host = SaveGl();
  Gl<void>("glEnable", gl::kTexture2D);
  Gl<void>("glBindTexture", gl::kTexture2D, name);
  Gl<void>("glBlendFunc", gl::kSrcAlpha, gl::kOneMinusSrcAlpha);
  Gl<void>("glEnable", gl::kBlend);
  Gl<void>("glBegin", gl::kQuads);
  for (const tx::QuadCorner& corner : tx::GlQuad(x, y, w, h)) {
    Gl<void>("glTexCoord2f", corner.u, corner.v);
    Gl<void>("glVertex2i", corner.x, corner.y);
  }
  Gl<void>("glEnd");
  Gl<void>("glDisable", gl::kBlend);
  RestoreGl(host);
}

}  // namespace sim::dll_host::graphics::test_calls
