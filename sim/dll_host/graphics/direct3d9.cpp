#include "sim/dll_host/graphics/direct3d9.h"

#include <cmath>
#include <string>

#include "sim/dll_host/graphics/com_interfaces.h"
#include "sim/dll_host/graphics/graphics_faults.h"
#include "sim/dll_host/graphics/renderer_devices.h"
#include "sim/dll_host/graphics/texture_record.h"

namespace sim::dll_host::graphics {
namespace {

int& LiveTextures() {
  static int count = 0;
  return count;
}

[[noreturn]] void DrawFails(const std::string& why) {
  FailScenario("IDirect3DDevice9::DrawPrimitiveUP: " + why);
}

template <typename T>
COM_API uint32_t AddRef(T* self) {
  return ++self->references;
}

// ---- IDirect3DTexture9 -----------------------------------------------------------------
COM_API uint32_t TextureRelease(D3dTexture* self) {
  if (--self->references != 0) return self->references;
  --LiveTextures();
  delete self;
  return 0;
}

COM_API HResult LockRect(D3dTexture* self, uint32_t level, D3dLockedRect* locked,
                         const int32_t* rect, uint32_t flags) {
  if (level != 0 || locked == nullptr || self->locked) return kD3dErrInvalidCall;
  // Only dynamic textures may be discarded; a default-pool texture that is
  // not dynamic cannot be locked at all.
  const bool dynamic = (self->usage & kD3dUsageDynamic) != 0;
  if ((flags & kD3dLockDiscard) != 0 && !dynamic) return kD3dErrInvalidCall;
  if (self->pool == kD3dPoolDefault && !dynamic) return kD3dErrInvalidCall;
  if (rect != nullptr) {
    FailScenario("unimplemented import IDirect3DTexture9::LockRect (a part of the level)");
  }
  if (Faults().textureLockFails) return kD3dErrInvalidCall;
  locked->pitch = self->pitch;
  locked->bits = uint32_t(reinterpret_cast<uintptr_t>(self->pixels.data()));
  self->locked = true;
  return kOk;
}

COM_API HResult UnlockRect(D3dTexture* self, uint32_t level) {
  if (level != 0 || !self->locked) return kD3dErrInvalidCall;
  self->locked = false;
  return kOk;
}

const void* const* TextureTable() {
  static const auto table = [] {
    VirtualTable<kDirect3DTexture9> t;
    t.Bind("AddRef", &AddRef<D3dTexture>)
        .Bind("Release", &TextureRelease)
        .Bind("LockRect", &LockRect)
        .Bind("UnlockRect", &UnlockRect);
    return t;
  }();
  return table.Slots();
}

// ---- IDirect3DDevice9 ---------------------------------------------------------------------
COM_API uint32_t DeviceRelease(D3dDevice* self) {
  if (self->references == 1) FailScenario("IDirect3DDevice9::Release: the host's device released");
  return --self->references;
}

COM_API HResult CreateTexture(D3dDevice*, uint32_t width, uint32_t height, uint32_t levels,
                              uint32_t usage, uint32_t format, uint32_t pool, D3dTexture** out,
                              void* shared) {
  if (out == nullptr || shared != nullptr || width == 0 || height == 0) return kD3dErrInvalidCall;
  *out = nullptr;
  if (levels != 1 || format != kD3dFormatA8R8G8B8 || pool > kD3dPoolSystemMemory ||
      (usage & ~kD3dUsageDynamic) != 0) {
    FailScenario("unimplemented import IDirect3DDevice9::CreateTexture (levels " +
                 std::to_string(levels) + ", usage " + std::to_string(usage) + ", format " +
                 std::to_string(format) + ", pool " + std::to_string(pool) +
                 "): only one A8R8G8B8 level");
  }
  if (Faults().textureCreationFails) return kD3dErrOutOfVideoMemory;
  auto* texture = new D3dTexture;
  texture->vtable = TextureTable();
  texture->width = width;
  texture->height = height;
  texture->usage = usage;
  texture->pool = pool;
  texture->pitch = int32_t(width * 4) + Faults().extraPitchBytes;
  texture->pixels.assign(size_t(texture->pitch) * height, 0);
  ++LiveTextures();
  *out = texture;
  return kOk;
}

COM_API HResult SetTexture(D3dDevice* self, uint32_t stage, D3dTexture* texture) {
  if (stage >= kD3dStages) return kD3dErrInvalidCall;
  if (texture != nullptr) ++texture->references;
  if (D3dTexture* previous = self->stages[stage]) TextureRelease(previous);
  self->stages[stage] = texture;
  return kOk;
}

uint32_t* SamplerState(D3dDevice* self, uint32_t sampler, uint32_t type) {
  if (sampler >= kD3dSamplers || type == 0 || type >= kD3dSamplerStates) return nullptr;
  return &self->samplers[sampler][type];
}

COM_API HResult GetSamplerState(D3dDevice* self, uint32_t sampler, uint32_t type, uint32_t* value) {
  uint32_t* state = SamplerState(self, sampler, type);
  if (state == nullptr || value == nullptr) return kD3dErrInvalidCall;
  *value = *state;
  return kOk;
}

COM_API HResult SetSamplerState(D3dDevice* self, uint32_t sampler, uint32_t type, uint32_t value) {
  uint32_t* state = SamplerState(self, sampler, type);
  if (state == nullptr) return kD3dErrInvalidCall;
  *state = value;
  return kOk;
}

// The vertex the DLL's strip is made of (D3DFVF_XYZRHW | DIFFUSE | TEX1).
struct ScreenVertex {
  float x, y, z, rhw;
  uint32_t colour;
  float u, v;
};
static_assert(sizeof(ScreenVertex) == 28);

int32_t Whole(float value, const char* what) {
  const double d = value;
  if (!(std::fabs(d) < 2147483648.0) || d != std::floor(d)) {
    DrawFails(std::string("a corner's ") + what + " is not a whole screen position");
  }
  return int32_t(d);
}

// The draw shows the texture unfiltered or filtered, never a mixture the
// record could not name.
int32_t Smooth(const D3dDevice& device) {
  const uint32_t minFilter = device.samplers[0][kD3dSamplerMinFilter];
  const uint32_t magFilter = device.samplers[0][kD3dSamplerMagFilter];
  if (minFilter == kD3dFilterPoint && magFilter == kD3dFilterPoint) return 0;
  if (minFilter == kD3dFilterLinear && magFilter == kD3dFilterLinear) return 1;
  DrawFails("sampler 0 filters min " + std::to_string(minFilter) + ", mag " +
            std::to_string(magFilter) + " are neither both point nor both linear");
}

COM_API HResult DrawPrimitiveUP(D3dDevice* self, uint32_t type, uint32_t count,
                                const ScreenVertex* vertices, uint32_t stride) {
  if (type != kD3dTriangleStrip || count != 2 || stride != sizeof(ScreenVertex) ||
      vertices == nullptr) {
    FailScenario("unimplemented import IDirect3DDevice9::DrawPrimitiveUP (type " +
                 std::to_string(type) + ", " + std::to_string(count) + " primitives, stride " +
                 std::to_string(stride) + "): only a strip of two pre-transformed triangles");
  }
  const D3dTexture* texture = self->stages[0];
  if (texture == nullptr) DrawFails("no texture on stage 0");
  if (texture->locked) DrawFails("the texture on stage 0 is locked");
  if (!self->setupSurface.has_value()) {
    DrawFails("no render-state setup (host 0x534650) since the last draw");
  }
  const int32_t surface = *self->setupSurface;
  self->setupSurface.reset();

  // Top left, top right, bottom left, bottom right, mapping the whole
  // texture, unlit white at depth 0: anything else shows the picture
  // otherwise than the record says.
  const int32_t left = Whole(vertices[0].x, "x"), top = Whole(vertices[0].y, "y");
  const int32_t right = Whole(vertices[3].x, "x"), bottom = Whole(vertices[3].y, "y");
  const float corners[4][4] = {{float(left), float(top), 0, 0},
                               {float(right), float(top), 1, 0},
                               {float(left), float(bottom), 0, 1},
                               {float(right), float(bottom), 1, 1}};
  for (int i = 0; i < 4; ++i) {
    const ScreenVertex& v = vertices[i];
    if (v.x != corners[i][0] || v.y != corners[i][1] || v.u != corners[i][2] ||
        v.v != corners[i][3] || v.z != 0 || v.rhw != 1 || v.colour != 0xFFFFFFFF) {
      DrawFails("vertex " + std::to_string(i) + " is not that corner of a textured rectangle");
    }
  }

  TextureDraw draw;
  draw.kind = RendererKind::Direct3D9;
  draw.surface = surface;
  draw.smooth = Smooth(*self);
  draw.x = left;
  draw.y = top;
  draw.w = int32_t(int64_t{right} - left);
  draw.h = int32_t(int64_t{bottom} - top);
  draw.picture = PictureFromA8R8G8B8(
      {texture->pixels.data(), texture->pitch, int32_t(texture->width), int32_t(texture->height)});
  RecordTextureDraw(std::move(draw));
  return kOk;
}

const void* const* DeviceTable() {
  static const auto table = [] {
    VirtualTable<kDirect3DDevice9> t;
    t.Bind("AddRef", &AddRef<D3dDevice>)
        .Bind("Release", &DeviceRelease)
        .Bind("CreateTexture", &CreateTexture)
        .Bind("SetTexture", &SetTexture)
        .Bind("GetSamplerState", &GetSamplerState)
        .Bind("SetSamplerState", &SetSamplerState)
        .Bind("DrawPrimitiveUP", &DrawPrimitiveUP);
    return t;
  }();
  return table.Slots();
}

// A device's sampler states as created: wrap addressing, point filters, no
// mipmaps, anisotropy 1.
std::array<uint32_t, kD3dSamplerStates> DefaultSampler() {
  std::array<uint32_t, kD3dSamplerStates> s{};
  s[1] = s[2] = s[3] = 1;  // D3DTADDRESS_WRAP
  s[kD3dSamplerMagFilter] = s[kD3dSamplerMinFilter] = kD3dFilterPoint;
  s[10] = 1;  // D3DSAMP_MAXANISOTROPY
  return s;
}

}  // namespace

D3dDevice* HostDevice() {
  static D3dDevice* device = [] {
    auto* d = new D3dDevice;
    d->vtable = DeviceTable();
    d->samplers.fill(DefaultSampler());
    return d;
  }();
  return device;
}

void ResetDevice() {
  D3dDevice* device = HostDevice();
  for (uint32_t stage = 0; stage < kD3dStages; ++stage) SetTexture(device, stage, nullptr);
  device->samplers.fill(DefaultSampler());
  device->setupSurface.reset();
}

int TextureCount() { return LiveTextures(); }

void NoteRenderStateSetup(int32_t surface) { HostDevice()->setupSurface = surface; }

}  // namespace sim::dll_host::graphics
