// The Direct3D 9 renderer's objects: the IDirect3DDevice9 the host's
// renderer holds and the IDirect3DTexture9s the DLL creates on it. A draw of
// the pre-transformed rectangle strip with a texture on stage 0 is a texture
// draw; the surface it lands on is the one the DLL passed to the host's
// render-state setup (NoteRenderStateSetup) just before.
//
// A texture lives until its last Release; the device holds a reference to
// each texture set on a stage. The device is the host's, for the whole
// process.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "sim/dll_host/graphics/com_table.h"

namespace sim::dll_host::graphics {

inline constexpr HResult kD3dErrInvalidCall = 0x8876086C;
inline constexpr HResult kD3dErrOutOfVideoMemory = 0x8876017C;

inline constexpr uint32_t kD3dFormatA8R8G8B8 = 21;
inline constexpr uint32_t kD3dPoolDefault = 0, kD3dPoolManaged = 1, kD3dPoolSystemMemory = 2;
inline constexpr uint32_t kD3dUsageDynamic = 0x200;
inline constexpr uint32_t kD3dLockDiscard = 0x2000;
inline constexpr uint32_t kD3dTriangleStrip = 5;
inline constexpr uint32_t kD3dSamplerMagFilter = 5, kD3dSamplerMinFilter = 6;
inline constexpr uint32_t kD3dFilterPoint = 1, kD3dFilterLinear = 2;

struct D3dLockedRect {
  int32_t pitch;
  uint32_t bits;  // the pixels' address
};

struct D3dTexture : ComObject {
  uint32_t width = 0, height = 0;
  uint32_t usage = 0, pool = 0;
  int32_t pitch = 0;
  std::vector<uint8_t> pixels;  // level 0, A8R8G8B8
  bool locked = false;
};

inline constexpr int kD3dStages = 8;
inline constexpr int kD3dSamplers = 16;
inline constexpr int kD3dSamplerStates = 14;  // types 1 to 13

struct D3dDevice : ComObject {
  std::array<D3dTexture*, kD3dStages> stages{};
  std::array<std::array<uint32_t, kD3dSamplerStates>, kD3dSamplers> samplers{};
  // The surface of the last render-state setup not yet used by a draw.
  std::optional<int32_t> setupSurface;
};

// The host's device (created on first use).
D3dDevice* HostDevice();
// Puts the device back as the host created it: no textures on the stages
// (their references dropped), the default sampler states, no setup.
void ResetDevice();
// The number of textures alive now.
int TextureCount();

}  // namespace sim::dll_host::graphics
